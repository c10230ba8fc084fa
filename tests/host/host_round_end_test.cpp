// SPDX-License-Identifier: GPL-3.0-or-later
// A round ends only when a seat ran out or nobody in it can lay a tile, whatever a hostile mix
// of players, spectators and connection churn sends between the game's timer ticks. Short games
// (play to 0) make every round end count. HEXALINE_ROUND_END_SEEDS sets how many mixes run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "host/fake_host_port.h"
#include "host/host_session.h"
#include "protocol/builder.h"
#include "protocol/dispatcher.h"
#include "support/board_checks.h"
#include "support/suggested_play.h"

using namespace hexaline;
using namespace hexaline::session;
using fakes::FakeHostPort;
using protocol::Msg;

namespace {

// Checks what the hosting user, whose connection stays, is told: a round given up because
// nobody can move, turns after that, and winners.
class RoundEndPort : public FakeHostPort {
  public:
    const HostSession* host = nullptr;
    std::vector<std::string> wrongEnds;

    void send(ConnectionId connection, const std::string& message) override {
        FakeHostPort::send(connection, message);
        const std::string text = FakeHostPort::text(message);
        const auto command = protocol::splitCommand(text);
        if (!host || !command || connection != 1)
            return;
        const engine::HostTables& game = host->game();
        const std::string_view word = command->word;
        if (word == "CMD_endround") {
            roundOver_ = true;
            const std::string mover = support::aSeatThatCanMove(game);
            if (!mover.empty())
                wrongEnds.push_back("nobody can move announced, but " + mover);
        } else if (word == "CMD_nextplayer" && roundOver_) {
            wrongEnds.push_back("a turn after the round was announced over: " + text);
        } else if (word == "CMD_winner" && !support::aSeatRanOut(game)) {
            const std::string mover = support::aSeatThatCanMove(game);
            if (!mover.empty())
                wrongEnds.push_back("a winner while nobody ran out, and " + mover);
        }
        if (word == "CMD_startgame" || word == "CMD_roundstarting" || word == "CMD_winner")
            roundOver_ = false;
    }

  private:
    bool roundOver_ = false;
};

// The host with its connections; connection 1, the hosting user's, never leaves.
class Table {
  public:
    explicit Table(std::uint32_t seed) : random_(seed), host_(port, random_), rng_(seed) {
        port.host = &host_;
        port.speed = 1;
        host_.install(dispatcher_);
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    void say(ConnectionId from, const std::string& message) {
        dispatcher_.dispatch(FakeHostPort::text(message), from);
    }

    void arrive() {
        const ConnectionId c = ++newest_;
        host_.onAccepted(c);
        const int seat = host_.seatOf(c);
        if (seat == 0)
            return;
        open_.push_back(c);
        std::string name = "P";
        name += std::to_string(c);
        say(c, protocol::build(Msg::Login, {seat, "1.0.1", name}));
    }

    void leave(ConnectionId c) {
        host_.connectionClosed(c);
        std::erase(open_, c);
    }

    ConnectionId anyone() {
        return open_[static_cast<std::size_t>(pick(0, int(open_.size()) - 1))];
    }

    // One step of the attack, then a few timer ticks.
    void step() {
        const engine::HostTables& game = host_.game();
        const ConnectionId from = anyone();
        const int own = host_.seatOf(from);
        switch (pick(0, 11)) {
            case 0: {  // the hosting user starts a game, now and then one under way again
                if (game.gameon && pick(0, 99) != 0)
                    break;
                static const char* const kPlayto[] = {"0", "1", "3", "5", "x", "-2", "60"};
                static const char* const kSeconds[] = {"30", "0", "1", "x", "-5"};
                say(1, protocol::build(Msg::StartGame,
                                       {"P1", kPlayto[pick(0, 6)], kSeconds[pick(0, 4)]}));
                break;
            }
            case 1:  // somebody other than the hosting user goes, and somebody comes
                if (from != 1)
                    leave(from);
                arrive();
                break;
            case 2:
                arrive();
                break;
            case 3:  // watch or play again, for oneself or, from the hosting user, for anyone
                say(from,
                    protocol::build(Msg::JustWatch, {pick(0, 1) ? own : pick(1, 4), pick(1, 2)}));
                break;
            case 4:
                say(from, protocol::build(Msg::Pass, {own}));
                break;
            case 5: {  // a play of random squares
                std::vector<protocol::Values> tiles;
                for (int n = pick(1, 3); n > 0; --n)
                    tiles.push_back({pick(1, 6), pick(0, 13), pick(0, 13)});
                say(from, protocol::build(Msg::Play, {own}, tiles));
                break;
            }
            case 6:
            case 7: {  // the player in turn makes a real play
                const int current = game.currentplayer;
                ConnectionId seated = 0;
                for (ConnectionId c : open_)
                    seated = host_.seatOf(c) == current ? c : seated;
                const support::Play play =
                    seated ? support::suggestedPlay(game, current) : support::Play{};
                if (!play.empty())
                    say(seated, support::playMessage(current, play));
                break;
            }
            case 8:
                say(from, protocol::build(Msg::Login, {own, "1.0.1", "again"}));
                break;
            case 9:
                say(1, protocol::build(Msg::Kick, {1, pick(2, 9)}));
                break;
            case 10:  // the hosting user sets the player in turn to watch, or back to play
                say(1, protocol::build(Msg::JustWatch, {game.currentplayer, pick(1, 2)}));
                break;
            default:
                break;
        }
        for (int n = pick(0, 3); n > 0; --n) {
            if (port.breakArmed)
                host_.breakTick();
            if (port.computerArmed && pick(0, 1) == 0)
                host_.computertimerTimer();
        }
        while (!port.closed.empty()) {
            const ConnectionId c = port.closed.back();
            port.closed.pop_back();
            leave(c);
        }
    }

    const engine::HostTables& game() const { return host_.game(); }

    RoundEndPort port;

  private:
    engine::Random random_;
    HostSession host_;
    protocol::Dispatcher dispatcher_{protocol::Direction::ToHost};
    std::mt19937 rng_;
    std::vector<ConnectionId> open_;
    ConnectionId newest_ = 0;
};

TEST(HostRoundEnd, ARoundEndsOnlyWhenSomebodyRanOutOrNobodyCanMove) {
    const char* seedsText = std::getenv("HEXALINE_ROUND_END_SEEDS");
    const int seeds = seedsText ? std::atoi(seedsText) : 20;
    int ends = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        Table t(static_cast<std::uint32_t>(seed));
        for (int c = 0; c < 5; ++c)
            t.arrive();
        t.say(1, protocol::build(Msg::StartGame, {"P1", "0", "30"}));
        for (int i = 0; i < 3000; ++i) {
            t.step();
            ASSERT_TRUE(t.port.wrongEnds.empty())
                << t.port.wrongEnds.front() << "; seed " << seed << ", step " << i;
            ASSERT_EQ(support::trialLeftOnBoard(t.game()), "") << "seed " << seed;
        }
        ends += static_cast<int>(t.port.of(1, "CMD_endround").size());
    }
    EXPECT_GT(ends, seeds);  // the mixes do reach round ends, several each
}

}  // namespace
