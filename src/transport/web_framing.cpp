// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/web_framing.h"

#include "protocol/message_table.h"

namespace hexaline::transport {

void appendWebMessage(std::string_view message, std::string& stream) {
    stream.append(message);
    stream += protocol::kTerminator;
}

std::vector<std::string_view> webMessagesOf(std::string_view bytes) {
    std::vector<std::string_view> out;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find(protocol::kTerminator);
        const std::string_view message = bytes.substr(0, end);
        if (!message.empty())
            out.push_back(message);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace hexaline::transport
