// SPDX-License-Identifier: GPL-3.0-or-later
// The host session fed message streams from several connections, with connections coming and
// going and the game's timers firing in between. The tables must stay whole: every tile once,
// lines valid, no trial placement left on the board, no seat told it cannot move while it holds
// a tile that fits, no round given up while a seat could move, no seat beyond nine.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_session.h"
#include "invariants.h"
#include "memory_port.h"
#include "protocol/dispatcher.h"
#include "protocol/message_table.h"
#include "protocol/reader.h"
#include "protocol/seats.h"
#include "support/board_checks.h"

using namespace hexaline;

namespace {

class CheckingPort : public fuzzing::MemoryPort {
  public:
    std::size_t sent = 0;

    const engine::Host* game = nullptr;

    // A seat announced unable to move must hold no tile that fits, and a round given up
    // because nobody can move must have no seat that could.
    void send(session::ConnectionId, const std::string& message) override {
        sent += message.size();
        if (!game)
            return;
        if (message.rfind("CMD_endround+", 0) == 0 && !support::aSeatThatCanMove(*game).empty())
            __builtin_trap();
        if (game->firstplay == 1 || message.rfind("CMD_nextplayer+", 0) != 0)
            return;
        const std::string text = message.substr(0, message.find('\xff'));
        const auto command = protocol::splitCommand(text);
        protocol::Reader fields(protocol::Msg::NextPlayer, command->args);
        const int seat = fields.number();
        if (fields.text() == "f" && seat >= 1 && seat <= engine::kMaxPlayers &&
            !support::aTileThatFits(*game, seat).empty())
            __builtin_trap();
    }
};

// Every tile once, lines valid, scores as the plays gave them (the checks of the simulator).
void check(const engine::Host& game) {
    sim::Tally scores{};
    for (int s = 1; s <= engine::kMaxPlayers; ++s)
        scores[s] = game.seats[s].score;
    const bool started =
        game.turnstate != engine::TurnState::Unset;  // the bag is filled by the first game
    if ((started && !sim::checkinvariants(game, scores).empty()) || game.seatcount < 0 ||
        game.seatcount > protocol::kSeatCount || !support::trialLeftOnBoard(game).empty())
        __builtin_trap();
}

}  // namespace

// The stream: messages separated by the terminator byte. A message's first byte says what
// happens before it is handled: which connection sends it (low three bits), whether that
// connection is accepted or closes first, and whether a timer fires.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::HostInMemory<CheckingPort> fixture;
    auto& [port, random, host, dispatcher] = fixture;
    port.game = &host.game();
    for (session::ConnectionId c = 1; c <= 2; ++c)
        host.onAccepted(c);

    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find(static_cast<char>(protocol::kTerminator));
        std::string_view message = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (message.empty())
            continue;
        const auto control = static_cast<std::uint8_t>(message[0]);
        message.remove_prefix(1);
        const session::ConnectionId from = 1 + control % 8;
        if (control & 0x08)
            host.onAccepted(from);
        if ((control & 0x30) == 0x30)
            host.connectionClosed(from);
        if ((control & 0x40) && port.breakArmed)
            host.breakTick();
        if ((control & 0x80) && port.computerArmed)
            host.computertimerTimer();
        port.now += control;
        dispatcher.dispatch(message, from);
        while (!port.closing.empty()) {
            const session::ConnectionId c = port.closing.back();
            port.closing.pop_back();
            host.connectionClosed(c);
        }
        check(host.game());
    }
    return 0;
}
