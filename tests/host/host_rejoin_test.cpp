// SPDX-License-Identifier: GPL-3.0-or-later
// A person whose connection drops during a game comes back under the same name and finds the
// own seat waiting: hand, score and, when it is still that seat's turn, the turn. The test turns
// the host's clock itself, so every turn happens exactly when the test wants it.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "host_service_fixture.h"
#include "protocol/builder.h"
#include "protocol/reader.h"

namespace hexaline::session {
namespace {

using engine::BreakAction;
using engine::TurnState;
using protocol::Msg;
using support::RawClient;
using support::waitFor;

// A message as a client keeps it: without its terminator.
std::string received(std::string message) {
    message.pop_back();
    return message;
}

const QString kElsewhere = QStringLiteral("127.0.0.2");

class RejoinTest : public HostServiceFixture {
  protected:
    void SetUp() override {
        HostServiceFixture::SetUp();
        // No timer of the host fires by itself: the test ticks the breaks and the computer.
        host->options().secondMs = INT_MAX;
        host->options().botSpeed = [] { return INT_MAX; };
    }

    const engine::Host& game() { return host->session().game(); }

    // Ann (seat 1), Bob (2) and Cid (3) play their own turns; Ann starts a long game. Bob
    // plays from `bobFrom`.
    void startThreePlayers(const QString& bobFrom = QString()) {
        join("Ann").setAutoPlay(true);
        join("Bob", bobFrom).setAutoPlay(true);
        join("Cid").setAutoPlay(true);
        clients[0]->send(protocol::build(Msg::StartGame, {"Ann", "500", "60"}));
        ASSERT_TRUE(waitFor([&] { return game().gameon; }));
    }

    // Runs breaks and, if allowed, the computer's moves until `done` holds.
    bool runUntil(const std::function<bool()>& done, bool computerMoves = true) {
        return waitFor(
            [&] {
                if (!done())
                    nudge(computerMoves);
                return done();
            },
            20000);
    }
    void nudge(bool computerMoves) {
        const engine::Host& g = game();
        if (!g.gameon)
            return;
        if (g.breakaction == BreakAction::NextTurn || g.breakaction == BreakAction::StartRound ||
            g.breakaction == BreakAction::EndRound) {
            host->session().breakTick();
        } else if (computerMoves && g.turnstate == TurnState::Play &&
                   g.computerplays(g.currentplayer)) {
            host->session().computertimerTimer();
        }
    }
    bool awaitsPlayOf(int seat) {
        return game().gameon && game().currentplayer == seat && game().turnstate == TurnState::Play;
    }
    bool seatIsFree(int seat) { return !game().seats[seat].connected; }

    // The hand the host holds for a seat, as the client last heard it.
    static std::vector<int> handHeard(const RawClient& c) {
        std::vector<int> hand(7, 0);
        for (const std::string& m : c.of(Msg::MyTiles)) {
            const auto command = protocol::splitCommand(m);
            protocol::Reader r(Msg::MyTiles, command->args);
            if (r.number() != c.seat())
                continue;
            while (!r.atListEnd()) {
                const int slot = r.number();
                hand.at(static_cast<std::size_t>(slot)) = r.number();
            }
        }
        return hand;
    }
    std::vector<int> handHeld(int seat) {
        const auto& h = game().seats[seat].hand;
        return {h.begin(), h.end()};
    }

    // Board, hands and the rest of the bag hold every tile of the bag exactly once.
    void expectEveryTileOnce() {
        const engine::Host& g = game();
        std::vector<int> seen;
        for (int r = engine::kFirstLine; r <= engine::kLastLine; ++r) {
            for (int c = engine::kFirstLine; c <= engine::kLastLine; ++c) {
                if (g.board[r][c].committed != 0)
                    seen.push_back(g.board[r][c].committed);
            }
        }
        for (int seat = 1; seat <= engine::kMaxPlayers; ++seat) {
            for (int slot = 1; slot <= engine::kHandSlots; ++slot) {
                if (g.seats[seat].hand[slot] != 0)
                    seen.push_back(g.seats[seat].hand[slot]);
            }
        }
        for (int i = g.drawn + 1; i <= engine::kTileCount; ++i)
            seen.push_back(g.bag[i]);
        std::sort(seen.begin(), seen.end());
        std::vector<int> all(engine::kTileCount);
        for (int i = 0; i < engine::kTileCount; ++i)
            all[i] = i + 1;
        EXPECT_EQ(seen, all);
    }

    int scoreIn(const RawClient& c, int seat) {
        const auto stats = c.of(Msg::GameStats);
        if (stats.empty())
            return -1;
        const auto command = protocol::splitCommand(stats.back());
        protocol::Reader r(Msg::GameStats, command->args);
        for (int i = 0; i < 7; ++i)
            r.number();
        while (!r.atListEnd()) {
            const int s = r.number();
            const int score = r.number();
            r.text();
            if (s == seat)
                return score;
        }
        return -1;
    }
};

TEST_F(RejoinTest, APlayerDroppedInTheOwnTurnGetsHandAndScoreBack) {
    startThreePlayers();
    ASSERT_TRUE(runUntil([&] { return awaitsPlayOf(2) && game().firstplay == 0; }));
    clients[1]->drop();
    // The turn moves on; the computer keeps the seat, its hand and its score.
    ASSERT_TRUE(runUntil([&] { return seatIsFree(2) && game().currentplayer != 2; }, false));
    const int score = game().seats[2].score;
    RawClient& bob = arrive("Bob");
    EXPECT_EQ(bob.seat(), 2);
    EXPECT_EQ(handHeard(bob), handHeld(2));
    EXPECT_EQ(scoreIn(bob, 2), score);
    EXPECT_FALSE(bob.has(Msg::NextPlayer));  // not his turn
    for (RawClient* other : {clients[0].get(), clients[2].get()}) {
        EXPECT_EQ(other->of(Msg::NewPlayerInfo).back(),
                  received(protocol::build(Msg::NewPlayerInfo, {}, {{2, "Bob", "0"}})));
    }
    // He plays his next turns himself, on the board he was sent.
    bob.setAutoPlay(true);
    clients[0]->forget();
    ASSERT_TRUE(runUntil([&] { return clients[0]->has(Msg::HisPlay) && bob.plays() > 0; }, false));
    ASSERT_TRUE(runUntil(
        [&] {
            for (const std::string& m : clients[0]->of(Msg::HisPlay)) {
                if (m.rfind("CMD_hisplay+2+", 0) == 0)
                    return true;
            }
            return false;
        },
        false));
    expectEveryTileOnce();
}

TEST_F(RejoinTest, APlayerBackWhileTheComputerHoldsTheTurnGetsTheTurnAndItsTimeLeft) {
    startThreePlayers();
    ASSERT_TRUE(runUntil([&] { return awaitsPlayOf(3); }));
    clients[1]->drop();  // while Cid is to move
    ASSERT_TRUE(waitFor([&] { return seatIsFree(2); }));
    // The turn comes to the free seat; the computer's move is armed and never made.
    ASSERT_TRUE(runUntil([&] { return awaitsPlayOf(2); }, false));
    ASSERT_TRUE(game().computerplays(2));
    const std::vector<int> hand = handHeld(2);

    RawClient& bob = arrive("Bob");
    ASSERT_EQ(bob.seat(), 2);
    EXPECT_FALSE(game().computerplays(2));
    ASSERT_TRUE(waitFor([&] { return bob.has(Msg::MyTiles); }));
    EXPECT_EQ(handHeard(bob), hand);
    // The turn, then the game's state with the time left of it.
    std::vector<std::string> order;
    for (const std::string& m : bob.received()) {
        const auto command = protocol::splitCommand(m);
        if (command->word == "CMD_nextplayer" || command->word == "CMD_gamestats")
            order.push_back(m);
    }
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], received(protocol::build(Msg::NextPlayer, {2, "t", game().tilesleft()})));
    protocol::Reader stats(Msg::GameStats, protocol::splitCommand(order[1])->args);
    EXPECT_EQ(stats.number(), 2);
    EXPECT_EQ(stats.number(), 2);  // his turn
    stats.number();
    stats.number();
    EXPECT_EQ(stats.number(), game().breakcount - 4);

    // The computer's armed move does not play for him; the turn is his to use.
    host->session().computertimerTimer();
    EXPECT_TRUE(awaitsPlayOf(2));
    EXPECT_FALSE(bob.has(Msg::HisPlay));
    bob.send(protocol::build(Msg::Pass, {2}));
    ASSERT_TRUE(waitFor([&] { return bob.has(Msg::HePassed); }));
    EXPECT_EQ(bob.of(Msg::HePassed).back(), received(protocol::build(Msg::HePassed, {2})));
    expectEveryTileOnce();
}

TEST_F(RejoinTest, TwoDropsComeBackInEitherOrderToTheirOwnSeats) {
    startThreePlayers();
    ASSERT_TRUE(runUntil([&] { return awaitsPlayOf(1) && game().firstplay == 0; }));
    clients[1]->drop();
    clients[2]->drop();
    ASSERT_TRUE(waitFor([&] { return seatIsFree(2) && seatIsFree(3); }));
    const std::vector<int> bobHand = handHeld(2);
    const std::vector<int> cidHand = handHeld(3);

    // Cid is offered the lowest free seat, Bob's, and is moved to his own before he is
    // announced.
    RawClient& cid = arrive("Cid");
    EXPECT_EQ(cid.seat(), 3);
    EXPECT_EQ(cid.of(Msg::SendLoginInfo).size(), 2u);
    EXPECT_EQ(handHeard(cid), cidHand);
    for (const std::string& m : clients[0]->of(Msg::NewPlayerInfo))
        EXPECT_EQ(m.find("CMD_newplayerinfo+2+Cid"), std::string::npos) << m;
    EXPECT_TRUE(seatIsFree(2));

    RawClient& bob = arrive("Bob");
    EXPECT_EQ(bob.seat(), 2);
    EXPECT_EQ(handHeard(bob), bobHand);

    // The game goes on with both of them, and drops again.
    cid.setAutoPlay(true);
    bob.setAutoPlay(true);
    ASSERT_TRUE(runUntil([&] { return bob.plays() + cid.plays() >= 2; }));
    bob.drop();
    ASSERT_TRUE(waitFor([&] { return seatIsFree(2); }));
    RawClient& again = arrive("Bob");
    EXPECT_EQ(again.seat(), 2);
    EXPECT_EQ(handHeard(again), handHeld(2));
    expectEveryTileOnce();
}

TEST_F(RejoinTest, APlayerBackDuringTheBreakPlaysTheNextRound) {
    startThreePlayers();
    ASSERT_TRUE(runUntil([&] { return awaitsPlayOf(1) && game().firstplay == 0; }));
    clients[2]->drop();  // Cid, seat 3: a free seat sits a round out
    ASSERT_TRUE(waitFor([&] { return seatIsFree(3); }));
    ASSERT_TRUE(runUntil([&] { return game().breakaction == BreakAction::StartRound; }));
    const int score = game().seats[3].score;

    RawClient& cid = arrive("Cid");
    EXPECT_EQ(cid.seat(), 3);
    EXPECT_EQ(scoreIn(cid, 3), score);
    cid.forget();
    ASSERT_TRUE(runUntil([&] { return game().roundno == 2 && cid.has(Msg::MyTiles); }));
    EXPECT_TRUE(game().seats[3].inround);
    const std::vector<int> hand = handHeard(cid);
    EXPECT_EQ(std::count_if(hand.begin() + 1, hand.end(), [](int t) { return t != 0; }),
              engine::kHandSlots);
    expectEveryTileOnce();
}

TEST_F(RejoinTest, AKickedPlayerOnlyWatchesAndAStrangerGetsTodaysSeat) {
    // Removal bars Bob's address as well as his name: he plays from another machine.
    startThreePlayers(kElsewhere);
    ASSERT_TRUE(runUntil([&] { return awaitsPlayOf(1) && game().firstplay == 0; }));
    clients[0]->send(protocol::build(Msg::Kick, {1, 2}));
    ASSERT_TRUE(clients[1]->waitClosed());
    ASSERT_TRUE(waitFor([&] { return seatIsFree(2); }));

    // Bob comes back: no seat of a player for him in this game, but he may watch.
    RawClient& bob = arrive("Bob", kElsewhere);
    EXPECT_EQ(bob.seat(), 5);
    EXPECT_TRUE(seatIsFree(2));
    EXPECT_TRUE(bob.of(Msg::MyTiles).empty());

    // Cid drops; Dan, a stranger, takes the lowest free seat as any latecomer does, with what
    // it holds. Cid is no longer kept a seat then.
    clients[2]->drop();
    ASSERT_TRUE(waitFor([&] { return seatIsFree(3); }));
    RawClient& dan = arrive("Dan");
    EXPECT_EQ(dan.seat(), 2);
    EXPECT_EQ(handHeard(dan), handHeld(2));
    RawClient& eve = arrive("Eve");
    EXPECT_EQ(eve.seat(), 3);
    RawClient& cid = arrive("Cid");
    EXPECT_EQ(cid.seat(), 4);
    EXPECT_EQ(cid.of(Msg::SendLoginInfo).size(), 1u);
}

TEST_F(RejoinTest, ANewGameForgetsWhoDroppedOutOfTheLastOne) {
    startThreePlayers();
    ASSERT_TRUE(runUntil([&] { return awaitsPlayOf(1); }));
    clients[2]->drop();
    ASSERT_TRUE(waitFor([&] { return seatIsFree(3); }));
    clients[0]->send(protocol::build(Msg::StartGame, {"Ann", "500", "60"}));
    ASSERT_TRUE(waitFor([&] { return game().roundno == 1 && !game().seats[3].inround; }));
    clients[1]->drop();
    ASSERT_TRUE(waitFor([&] { return seatIsFree(2); }));
    // Cid is a newcomer in this game: the lowest free seat is his, Bob's kept seat or not.
    RawClient& cid = arrive("Cid");
    EXPECT_EQ(cid.seat(), 2);
    EXPECT_EQ(cid.of(Msg::SendLoginInfo).size(), 1u);
}

}  // namespace
}  // namespace hexaline::session
