// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour of every line the program writes into the chat log itself: blue, in the
// blue-green-red byte order that colours travel in.

#include <cstdint>

namespace hexaline::protocol {

inline constexpr std::uint32_t kSystemColour = 0xFF0000;

}  // namespace hexaline::protocol
