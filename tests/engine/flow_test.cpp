// SPDX-License-Identifier: GPL-3.0-or-later
// Games, rounds and turns: the winner rule, skipped seats, passes, time-outs, seats leaving.
#include "engine_fixture.h"

namespace hexaline::engine::testing {
namespace {

class FlowTest : public EngineTest {
  protected:
    std::vector<std::string> words(int seat) const {
        std::vector<std::string> out;
        for (const auto& m : to(seat))
            out.push_back(m.substr(0, m.find('+')));
        return out;
    }
    bool sentTo(int seat, const std::string& message) const {
        for (const auto& m : to(seat)) {
            if (m == message)
                return true;
        }
        return false;
    }
};

TEST_F(FlowTest, WinnerMustBeAloneAboveThePlayToScore) {
    connect(1);
    host.gameon = true;
    host.playto = 500;
    host.seats[1].score = 500;
    EXPECT_FALSE(host.checkforwin());
    host.seats[1].score = 501;
    host.seats[3].score = 501;
    EXPECT_FALSE(host.checkforwin());
    host.seats[1].score = 520;
    host.seats[3].score = 610;
    host.seats[3].name = "Ann";
    EXPECT_TRUE(host.checkforwin());
    EXPECT_EQ(last(1), "CMD_winner+Ann+");
    EXPECT_FALSE(host.gameon);
    // A seat below the play-to score still blocks a tie; the name falls back to the bot's.
    host.playto = 0;
    host.seats[3].score = 0;
    host.seats[1].score = 0;
    host.seats[4].score = 7;
    EXPECT_TRUE(host.checkforwin());
    EXPECT_EQ(last(1), "CMD_winner+Kling+");
}

TEST_F(FlowTest, TiedLeadersPlayAnotherRound) {
    connect(1);
    host.gameon = true;
    host.playto = 10;
    host.seats[1].score = 30;
    host.seats[2].score = 30;
    host.endround();
    EXPECT_TRUE(host.gameon);
    EXPECT_EQ(host.breakaction, BreakAction::StartRound);
    outlet.advance(15000);
    EXPECT_EQ(host.roundno, 1);
    EXPECT_EQ(host.seats[1].score, 30);
}

TEST_F(FlowTest, SoloGameStartsWithSeatOneAndTheComputerAtSeatTwo) {
    connect(1);
    outlet.speed = 500;
    host.startgame("Bo", "abc", "x");
    EXPECT_EQ(host.playto, 5);
    EXPECT_EQ(host.turntime, 30);
    const auto w = words(1);
    ASSERT_GE(w.size(), 4u);
    EXPECT_EQ(to(1)[0], "CMD_startgame+Bo+5+30+");
    EXPECT_EQ(to(1)[1], "CMD_roundstarting+1+1+p+2+p+3+n+4+n");
    EXPECT_EQ(w[2], "CMD_mytiles");
    EXPECT_EQ(to(1)[3], "CMD_nextplayer+1+t+96+");
    EXPECT_EQ(host.currentplayer, 1);
    EXPECT_EQ(host.turnstate, TurnState::Play);
    EXPECT_FALSE(outlet.computerArmed());
    EXPECT_EQ(host.breakcount, 34);

    // Seat 1 passes; three seconds later the computer's turn, and half a second on its play.
    host.ipass("1+");
    EXPECT_EQ(last(1), "CMD_hepassed+1+");
    outlet.advance(3000);
    EXPECT_EQ(host.currentplayer, 2);
    EXPECT_EQ(last(1), "CMD_nextplayer+2+t+96+");
    EXPECT_TRUE(outlet.computerArmed());
    EXPECT_EQ(outlet.computerInterval(), 500);
    outlet.advance(499);
    EXPECT_EQ(host.firstplay, 1);
    outlet.advance(1);
    EXPECT_EQ(host.firstplay, 0);
    EXPECT_EQ(words(1).back(), "CMD_hisplay");
    EXPECT_FALSE(outlet.computerArmed());
}

TEST_F(FlowTest, TimeOutPassesTheTurnAfterFiveSecondsAndKeepsCanMove) {
    connect(1);
    host.startgame("Bo", "100", "30");
    EXPECT_EQ(host.currentplayer, 1);
    outlet.advance(33000);
    EXPECT_EQ(words(1).back(), "CMD_nextplayer");
    outlet.advance(1000);
    EXPECT_EQ(last(1), "CMD_timesup+");
    EXPECT_EQ(host.turnstate, TurnState::None);
    EXPECT_TRUE(host.seats[1].canmove);
    outlet.advance(4999);
    EXPECT_EQ(host.currentplayer, 1);
    outlet.advance(1);
    EXPECT_EQ(host.currentplayer, 2);
}

TEST_F(FlowTest, SeatsThatCannotMoveAreSkippedUntilTheRoundEnds) {
    connect(1);
    connect(3);
    host.gameon = true;
    host.turntime = 30;
    for (int seat : {1, 2, 3}) {
        host.seats[seat].inround = true;
        host.seats[seat].canmove = true;
    }
    put(6, 6, tile(Red, Car));
    host.firstplay = 0;
    host.shuffletiles();
    host.drawn = kTileCount;  // nothing more to deal
    const std::vector<int> stuck{tile(Blue, Flower), 0, 0, 0, 0, 0};
    hand(1, stuck);
    hand(2, stuck);
    hand(3, {tile(Red, Smiley), 0, 0, 0, 0, 0});
    host.currentplayer = 0;
    host.findplayer();
    EXPECT_EQ(last(1), "CMD_nextplayer+1+f+0+");
    EXPECT_EQ(host.breakaction, BreakAction::NextTurn);
    EXPECT_EQ(host.breakcount, 5);
    outlet.advance(5000);
    EXPECT_EQ(last(1), "CMD_nextplayer+2+f+0+");
    outlet.advance(5000);
    EXPECT_EQ(last(3), "CMD_nextplayer+3+t+0+");
    EXPECT_TRUE(host.seats[1].canmove);  // a seat that can move resets every mark
    host.ipass(3);                       // a pass changes no mark
    hand(3, stuck);
    outlet.advance(3000);
    EXPECT_EQ(last(1), "CMD_nextplayer+1+f+0+");
    outlet.advance(5000);
    outlet.advance(5000);
    EXPECT_EQ(host.currentplayer, 3);
    EXPECT_EQ(last(1), "CMD_endround+");
    EXPECT_EQ(host.breakaction, BreakAction::EndRound);
    // The seat announced without a move may still press Pass: the round ends all the same.
    host.ipass(3);
    EXPECT_EQ(last(1), "CMD_endround+");
    outlet.advance(3000);
    EXPECT_EQ(host.breakaction, BreakAction::StartRound);
}

TEST_F(FlowTest, LeavingSeatMovesTheTurnOnlyWhileAPlayIsAwaited) {
    connect(1);
    host.startgame("Bo", "100", "30");
    host.watch(1, true);
    host.turnseatleft(1);
    EXPECT_EQ(host.currentplayer, 2);
    // Between rounds the pending round start is kept.
    host.turnstate = TurnState::None;
    host.breakaction = BreakAction::StartRound;
    host.breakcount = 15;
    host.turnseatleft(2);
    EXPECT_EQ(host.currentplayer, 2);
    EXPECT_EQ(host.breakaction, BreakAction::StartRound);
}

TEST_F(FlowTest, PassCannotReviveAFinishedRoundOrGame) {
    connect(1);
    host.startgame("Bo", "0", "30");
    awaiting(1);
    put(6, 6, tile(Red, Car));
    hand(1, {tile(Red, Heart), 0, 0, 0, 0, 0});
    host.myturn("1+1+6+7");
    ASSERT_EQ(host.breakaction, BreakAction::EndRound);
    host.ipass(1);  // the seat that ran out cannot undo the round end
    EXPECT_EQ(host.breakaction, BreakAction::EndRound);
    outlet.advance(3000);
    EXPECT_FALSE(host.gameon);  // seat 1 won
    const auto sent = outlet.sent.size();
    host.ipass(1);
    outlet.advance(60000);
    EXPECT_EQ(outlet.sent.size(), sent);
}

TEST_F(FlowTest, TurnAfterASpectatorSeatWrapsToSeatOne) {
    // The opening draw counts spectators, so the search may start above seat 4.
    for (int seat : {1, 2})
        host.seats[seat].inround = true;
    host.gameon = true;
    host.firstplay = 1;
    host.currentplayer = 7;
    host.findplayer();
    EXPECT_EQ(host.currentplayer, 1);
    for (int seat = 1; seat <= 9; ++seat)
        connect(seat);
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        random.setSeed(seed);
        host.startgame("Bo", "100", "30");
        ASSERT_GE(host.currentplayer, 1);
        ASSERT_LE(host.currentplayer, 4);
    }
}

TEST_F(FlowTest, PendingComputerMoveIsDroppedWhenTheTurnMovesOn) {
    connect(1);
    host.startgame("Bo", "100", "30");
    host.ipass(1);
    outlet.advance(3000);
    ASSERT_EQ(host.currentplayer, 2);
    ASSERT_TRUE(outlet.computerArmed());
    // A client takes seat 2 before the move: the computer must not play its hand.
    connect(2);
    outlet.advance(1000);
    EXPECT_EQ(host.firstplay, 1);
    EXPECT_TRUE(outlet.alerts.empty());

    // A new game while a move is pending stops it; a stale tick plays nothing.
    host.seats[2].connected = false;
    host.startgame("Bo", "100", "30");
    host.ipass(1);
    outlet.advance(3000);
    ASSERT_TRUE(outlet.computerArmed());
    host.startgame("Bo", "100", "30");
    EXPECT_FALSE(outlet.computerArmed());
    host.computertimerTimer();
    EXPECT_EQ(host.firstplay, 1);
    EXPECT_EQ(host.currentplayer, 1);
}

TEST_F(FlowTest, LatecomerGetsStateBoardAndHand) {
    connect(1);
    host.startgame("Bo", "100", "30");
    connect(3);
    host.bringuptodate(3);
    const auto fresh = to(3);
    ASSERT_EQ(fresh.size(), 2u);  // empty board: no board message
    EXPECT_EQ(fresh[0], "CMD_gamestats+3+1+100+30+30+1+96+1+0+t+2+0+t+3+0+f+4+0+f");
    EXPECT_EQ(fresh[1], "CMD_mytiles+3+1+0+2+0+3+0+4+0+5+0+6+0");
    put(6, 6, 22);
    connect(5);
    host.bringuptodate(5);
    ASSERT_EQ(to(5).size(), 2u);
    EXPECT_EQ(to(5)[1], "CMD_loadboard+5+6+6+22");
}

}  // namespace
}  // namespace hexaline::engine::testing
