// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the help window's eight pages, as rich text, by page number 1..8.

#include <QString>

namespace hexaline::help {

inline constexpr int kPageCount = 8;

// Page `page` (1..8); an empty text for any other number.
QString helpPage(int page);

}  // namespace hexaline::help
