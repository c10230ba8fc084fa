// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "m:ss" of a number of seconds, as the clock and the turn length show it.

#include <string>

namespace hexaline::client {

inline std::string minutesText(int seconds) {
    const int m = seconds / 60;
    const int s = seconds % 60;
    return std::to_string(m) + (s >= 10 ? ":" : ":0") + std::to_string(s);
}

}  // namespace hexaline::client
