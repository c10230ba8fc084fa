// SPDX-License-Identifier: GPL-3.0-or-later
// WebSocket messages from a browser, put on the host's stream as the bridge does, cut at
// arbitrary read boundaries by the host's framer and handled by the host session; what the
// host sends back is cut into WebSocket messages again. A message without a terminator byte
// must arrive whole and alone, every message the host sends must come back out unchanged and
// non-empty, and the session's tables must stay within bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_session.h"
#include "memory_port.h"
#include "protocol/dispatcher.h"
#include "protocol/framer.h"
#include "protocol/message_table.h"
#include "protocol/seats.h"
#include "transport/web_framing.h"

using namespace hexaline;

namespace {

constexpr char kTerminator = protocol::kTerminator;

// Joins the WebSocket messages of `bytes` again; they must be what the terminated messages
// held, empty ones left out.
void checkWayBack(std::string_view bytes) {
    std::string joined, expected;
    for (const std::string_view message : transport::webMessagesOf(bytes)) {
        if (message.empty() || message.find(kTerminator) != std::string_view::npos)
            __builtin_trap();
        joined.append(message);
        joined += kTerminator;
    }
    std::size_t from = 0;
    while (from < bytes.size()) {
        std::size_t end = bytes.find(kTerminator, from);
        if (end == std::string_view::npos)
            end = bytes.size();
        if (end > from) {
            expected.append(bytes.substr(from, end - from));
            expected += kTerminator;
        }
        from = end + 1;
    }
    if (joined != expected)
        __builtin_trap();
}

// Every message the host sends must come back out of the way back unchanged.
class WayBackPort : public fuzzing::MemoryPort {
  public:
    void send(session::ConnectionId, const std::string& message) override { checkWayBack(message); }
};

}  // namespace

// The input: WebSocket messages separated by the byte 0x00 (a message may hold any other byte,
// the terminator included, as a binary message could). Each message's first byte, when there
// is one, also says where the host's reads are cut.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::HostInMemory<WayBackPort> fixture;
    auto& [port, random, host, dispatcher] = fixture;
    host.onAccepted(1);
    host.onAccepted(2);

    std::string_view input(reinterpret_cast<const char*>(data), size);
    protocol::Framer framer;
    while (!input.empty()) {
        const std::size_t end = input.find('\0');
        const std::string_view message = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);

        std::string stream;
        transport::appendWebMessage(message, stream);
        if (stream.empty() || stream.back() != kTerminator)
            __builtin_trap();
        checkWayBack(stream);
        const std::size_t cut =
            message.empty() ? stream.size() : 1 + static_cast<unsigned char>(message[0]) % 64;
        std::vector<std::string> out;
        bool withinCap = true;
        for (std::size_t from = 0; from < stream.size(); from += cut)
            withinCap = framer.feed(std::string_view(stream).substr(from, cut), out) && withinCap;
        if (withinCap && framer.pending() != 0)
            __builtin_trap();  // every message ends in its terminator
        if (!withinCap)
            break;  // the connection would be closed here
        const bool plain = message.find(kTerminator) == std::string_view::npos;
        if (plain && withinCap && (out.size() != 1 || out[0] != message))
            __builtin_trap();
        for (const std::string& m : out)
            dispatcher.dispatch(m, 1);
        if (host.seatOf(1) > protocol::kSeatCount)
            __builtin_trap();
    }
    return 0;
}
