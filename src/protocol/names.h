#pragma once
// Player names travel inside "+"-separated messages and "|"-separated chat payloads.

#include <string>
#include <string_view>

namespace hexaline::protocol {

// The name with every "+", "|", control character and terminator byte replaced by "-", so
// that it can never shift the fields of a message that carries it.
std::string sanitizeName(std::string_view name);

}  // namespace hexaline::protocol
