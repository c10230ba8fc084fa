// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever mix of messages arrives, from whichever connection, the host keeps its tables whole:
// every tile exactly once, the board's lines valid, no trial placement left on the board, no
// seat told it cannot move while it holds a tile that fits, nothing read or written out of
// bounds (the sanitizers watch that).
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "host/fake_host_port.h"
#include "host/host_session.h"
#include "invariants.h"
#include "protocol/builder.h"
#include "protocol/dispatcher.h"
#include "support/board_checks.h"
#include "support/suggested_play.h"

using namespace hexaline;
using namespace hexaline::session;
using fakes::FakeHostPort;
using protocol::Msg;
using support::aTileThatFits;
using support::trialLeftOnBoard;

namespace {

// The port checks, at the moment a seat is announced unable to move, that it really cannot.
class CheckingPort : public FakeHostPort {
  public:
    const HostSession* host = nullptr;
    std::vector<std::string> wronglyStuck;

    void send(ConnectionId connection, const std::string& message) override {
        FakeHostPort::send(connection, message);
        const std::string text = FakeHostPort::text(message);
        const auto command = protocol::splitCommand(text);
        if (!host || !command || command->word != "CMD_nextplayer")
            return;
        protocol::Reader fields(Msg::NextPlayer, command->args);
        const int seat = fields.number();
        if (fields.text() != "f" || seat < 1 || seat > engine::kMaxPlayers ||
            host->game().firstplay == 1)
            return;
        const std::string fits = aTileThatFits(host->game(), seat);
        if (!fits.empty())
            wronglyStuck.push_back("seat " + std::to_string(seat) + " stuck, but " + fits);
    }
};

class Garbler {
  public:
    explicit Garbler(std::uint32_t seed) : rng_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    // Mostly plausible numbers, sometimes far off.
    int number() {
        switch (pick(0, 5)) {
            case 0:
                return pick(-3, 0);
            case 1:
                return pick(100, 2000);
            default:
                return pick(1, 12);
        }
    }

    std::string text() {
        static const char* const kTexts[] = {"",   "1",           "2",     "t",   "f",
                                             "x",  "Ann",         "wave3", "500", "abc",
                                             "-1", "99999999999", "+",     "@",   "|clRed"};
        return kTexts[pick(0, 14)];
    }

    // A message of the host's catalogue with random fields, or raw junk.
    std::string message() {
        static const Msg kIncoming[] = {Msg::Login, Msg::Chat,      Msg::Action,
                                        Msg::Sound, Msg::StartGame, Msg::JustWatch,
                                        Msg::Kick,  Msg::Play,      Msg::Pass};
        if (pick(0, 9) == 0) {
            std::string junk(static_cast<std::size_t>(pick(0, 40)), ' ');
            for (char& c : junk)
                c = static_cast<char>(pick(0, 254));
            return junk;
        }
        const Msg id = kIncoming[pick(0, 8)];
        const protocol::MessageLayout& layout = protocol::layoutOf(id);
        auto values = [&](std::span<const protocol::Field> fields) {
            protocol::Values out;
            for (protocol::Field f : fields) {
                if (f == protocol::Field::Number) {
                    out.emplace_back(number());
                } else {
                    out.emplace_back(text() == "+" ? std::string("a+b") : text());
                }
            }
            return out;
        };
        std::vector<protocol::Values> groups;
        if (!layout.group.empty()) {
            for (int n = pick(0, 7); n > 0; --n)
                groups.push_back(values(layout.group));
        }
        std::string wire;
        try {
            wire = protocol::build(id, values(layout.head), groups);
        } catch (const protocol::BuildError&) {
            wire = std::string(layout.word) + "+" + text();
        }
        while (!wire.empty() && wire.back() == protocol::kTerminator)
            wire.pop_back();
        return wire;
    }

  private:
    std::mt19937 rng_;
};

TEST(HostFuzz, RandomMessagesNeverBreakTheTables) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        CheckingPort port;
        engine::Random random(seed);
        HostSession host(port, random);
        port.host = &host;
        protocol::Dispatcher dispatcher(protocol::Direction::ToHost);
        host.install(dispatcher);
        for (ConnectionId c = 1; c <= 3; ++c) {
            host.onAccepted(c);
            dispatcher.dispatch(
                FakeHostPort::text(protocol::build(
                    Msg::Login, {host.seatOf(c), "1.0.1", "P" + std::to_string(c)})),
                c);
        }
        dispatcher.dispatch(
            FakeHostPort::text(protocol::build(Msg::StartGame, {"P1", "100", "30"})), 1);
        Garbler garbler(seed);
        ConnectionId newest = 3;
        for (int i = 0; i < 4000; ++i) {
            // Connections come and go (the newest take freed seats, players' ones among them)
            // and log in again; the hosting user's connection 1 stays.
            if (garbler.pick(0, 15) == 0) {
                host.connectionClosed(garbler.pick(2, newest));
                host.onAccepted(++newest);
            }
            const ConnectionId from = garbler.pick(0, 9) == 0 ? 0 : garbler.pick(1, newest);
            if (garbler.pick(0, 9) == 0) {
                dispatcher.dispatch(FakeHostPort::text(protocol::build(
                                        Msg::Login, {host.seatOf(from), "1.0.1", "again"})),
                                    from);
            }
            dispatcher.dispatch(garbler.message(), from);
            // Now and then the current player makes a real play, so the game moves on.
            const int current = host.game().currentplayer;
            if (current >= 1 && current <= 4 && garbler.pick(0, 3) == 0) {
                const support::Play play = support::suggestedPlay(host.game(), current);
                ConnectionId seated = 0;
                for (ConnectionId c = 1; c <= newest && !seated; ++c)
                    seated = host.seatOf(c) == current ? c : 0;
                if (!play.empty() && seated) {
                    dispatcher.dispatch(FakeHostPort::text(support::playMessage(current, play)),
                                        seated);
                }
            }
            if (garbler.pick(0, 3) == 0)
                host.breakTick();
            if (port.computerArmed && garbler.pick(0, 1) == 0)
                host.computertimerTimer();
            while (!port.closed.empty()) {
                host.connectionClosed(port.closed.back());
                port.closed.pop_back();
            }
            const engine::HostTables& tables = host.game();
            sim::Tally scores{};
            for (int s = 1; s <= engine::kMaxPlayers; ++s)
                scores[s] = tables.seats[s].score;
            const std::string broken = sim::checkinvariants(tables, scores);
            ASSERT_EQ(broken, "") << "seed " << seed << ", message " << i;
            ASSERT_EQ(trialLeftOnBoard(tables), "") << "seed " << seed << ", message " << i;
            ASSERT_TRUE(port.wronglyStuck.empty())
                << port.wronglyStuck.front() << "; seed " << seed << ", message " << i;
        }
        EXPECT_FALSE(port.of(1, "CMD_hisplay").empty()) << "seed " << seed;
    }
}

}  // namespace
