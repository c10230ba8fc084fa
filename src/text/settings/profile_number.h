// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Integers in the settings file: decimal with an optional sign, or hexadecimal after "0x" or
// "$" (up to eight digits, read as a 32-bit pattern, so "$FFFFFFFF" is -1).

#include <QStringView>
#include <optional>

namespace hexaline::settings {

// The whole text must be the number; anything else (empty, "12abc", out of range) is nullopt.
std::optional<int> parseProfileInteger(QStringView text);

}  // namespace hexaline::settings
