// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text as the host sends it (UTF-8, never holding the terminator byte) and as the views show it.

#include <QString>
#include <string>
#include <string_view>

namespace hexaline::table {

QString fromWire(std::string_view text);
std::string toWire(const QString& text);

}  // namespace hexaline::table
