// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The framing of the game socket for web browsers, apart from any socket: each WebSocket
// message is one protocol message without its terminator.

#include <string>
#include <string_view>
#include <vector>

namespace hexaline::transport {

// The bytes a WebSocket message stands for on the host's stream: the message and one
// terminator. (The login's second terminator only ever gave an empty message, which the host
// ignores.)
void appendWebMessage(std::string_view message, std::string& stream);

// The WebSocket messages for bytes the host sends: one per terminated message (an unterminated
// tail counts as one), terminators removed, empty messages left out.
std::vector<std::string_view> webMessagesOf(std::string_view bytes);

}  // namespace hexaline::transport
