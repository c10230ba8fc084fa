// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message table as JSON (see main.cpp for the format).

#include <string>
#include <string_view>

#include "protocol/message_table.h"

namespace hexaline::tools {

// The name of a message in the program ("Login").
std::string_view messageName(protocol::Msg id);
std::string protocolJson();

}  // namespace hexaline::tools
