// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Player names travel inside "+"-separated messages and "|"-separated chat payloads.

#include <cstddef>
#include <string>
#include <string_view>

namespace hexaline::protocol {

// The name with every "+", "|", control character and terminator byte replaced by "-", so
// that it can never shift the fields of a message that carries it.
std::string sanitizeName(std::string_view name);

// Names longer than this are cut (never inside a UTF-8 character): no person's name is longer,
// and a name is repeated in every message that speaks of its seat.
inline constexpr std::size_t kMaxNameBytes = 64;
std::string boundName(std::string_view name, std::size_t maxBytes = kMaxNameBytes);

}  // namespace hexaline::protocol
