// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the turn clock.

#include <QString>

namespace hexaline::table {

// Minutes and two-digit seconds: 75 -> "1:15", 9 -> "0:09".
QString minutesText(int seconds);

// Pixels of the time bar per second left: the bar is 244 pixels at a full turn.
inline constexpr int kTimeBarWidth = 244;

}  // namespace hexaline::table
