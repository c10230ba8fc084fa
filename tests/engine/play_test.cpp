// SPDX-License-Identifier: GPL-3.0-or-later
// Plays: the order of the tests and their codes, scoring, applying, refusing.
#include "engine_fixture.h"
#include "protocol/reader.h"

namespace hexaline::engine::testing {
namespace {

class PlayTest : public EngineTest {
  protected:
    void SetUp() override {
        connect(1);
        connect(5);
        awaiting(1);
    }
    // Plays `text` for seat 1 and returns the error code sent back, 0 when accepted.
    int play(const std::string& text) {
        const std::size_t before = outlet.sent.size();
        host.myturn(text);
        for (std::size_t i = before; i < outlet.sent.size(); ++i) {
            const std::string& m = outlet.sent[i].message;
            if (m.rfind("CMD_error+", 0) == 0)
                return m[12] - '0';
        }
        return 0;
    }
};

TEST_F(PlayTest, ScoresMainLineOnceAndEachCrossingLine) {
    // First play of a round: red car and red heart side by side.
    host.firstplay = 1;
    hand(1, {tile(Red, Car), tile(Red, Heart), 30, 31, 32, 33});
    EXPECT_EQ(play("1+1+6+6+2+6+7"), 0);
    EXPECT_EQ(host.playscore, 2);
    EXPECT_EQ(host.firstplay, 0);
    EXPECT_EQ(host.seats[1].hand[1], 0);
    EXPECT_EQ(host.board[6][7].committed, tile(Red, Heart));
    EXPECT_EQ(to(1).back(), "CMD_hisplay+1+2+2+0+1+4+6+6+2+22+6+7");
    EXPECT_EQ(to(5).back(), to(1).back());
    EXPECT_EQ(host.turnstate, TurnState::None);
    EXPECT_EQ(host.breakaction, BreakAction::NextTurn);
    EXPECT_EQ(host.breakcount, 1);

    // Red flower beside the heart and above a blue flower: row of 3 plus column of 2.
    put(7, 8, tile(Blue, Flower));
    awaiting(1);
    hand(1, {tile(Red, Flower), 30, 31, 32, 33, 34});
    EXPECT_EQ(play("1+1+6+8"), 0);
    EXPECT_EQ(host.playscore, 5);
    EXPECT_EQ(host.seats[1].score, 7);
}

TEST_F(PlayTest, ColumnPlayScoresItsColumnOnceAndEveryRow) {
    put(5, 2, tile(Purple, Heart));
    put(6, 2, tile(Purple, Car));
    hand(1, {tile(Yellow, Heart), tile(Yellow, Car), 30, 31, 32, 33});
    EXPECT_EQ(host.checkforsameline(), PlayLine::Row);
    EXPECT_EQ(play("1+1+5+3+2+6+3"), 0);
    EXPECT_EQ(host.playscore, 6);
}

TEST_F(PlayTest, SingleOpeningTileScoresNothing) {
    host.firstplay = 1;
    hand(1, {tile(Red, Car), 30, 31, 32, 33, 34});
    EXPECT_EQ(play("1+1+6+6"), 0);
    EXPECT_EQ(host.playscore, 0);
}

TEST_F(PlayTest, LineOfSixEarnsTheBonusAndASeventhIsRefused) {
    const int row[] = {tile(Red, Car), tile(Red, Smiley), tile(Red, Flower), tile(Red, Heart),
                       tile(Red, Peace)};
    for (int i = 0; i < 5; ++i)
        put(4, 3 + i, row[i]);
    hand(1, {tile(Red, Bubbles), tile(Red, Car) + 36, 30, 31, 32, 33});
    EXPECT_EQ(play("1+1+4+8"), 0);
    EXPECT_EQ(host.playscore, 12);
    EXPECT_EQ(host.sixbonus, 6);
    EXPECT_EQ(to(1).back(), "CMD_hisplay+1+12+12+6+1+34+4+8");
    awaiting(1);
    EXPECT_EQ(play("1+2+4+9"), 3);
    EXPECT_EQ(play("1+2+4+2"), 3);
    EXPECT_EQ(host.sixbonus, 0);
    EXPECT_TRUE(boardMatchesProposed());
}

TEST_F(PlayTest, TestsRunInOrderWithTheirCodes) {
    put(4, 3, tile(Red, Car));
    put(4, 4, tile(Red, Smiley));
    hand(1, {tile(Red, Flower), tile(Red, Heart), tile(Red, Car) + 36, tile(Yellow, Peace) + 36,
             tile(Blue, Flower), 0});
    // A gap in the play's line, though it touches.
    EXPECT_EQ(play("1+1+4+5+2+4+7"), 3);
    // Not in one line: contact is tested first.
    EXPECT_EQ(play("1+1+8+8+2+9+9"), 4);
    EXPECT_EQ(play("1+1+4+5+2+5+6"), 2);
    host.firstplay = 1;
    EXPECT_EQ(play("1+1+8+8+2+9+9"), 2);
    host.firstplay = 0;
    // On a tile, even with the rest legal; on the frame.
    EXPECT_EQ(play("1+1+4+5+2+4+4"), 1);
    EXPECT_EQ(play("1+1+0+5"), 1);
    EXPECT_EQ(play("1+1+0+0"), 1);
    // Same kind in one line; an empty slot reaches the gap test.
    EXPECT_EQ(play("1+3+4+5"), 3);
    EXPECT_EQ(play("1+6+4+5"), 3);
    put(8, 8, tile(Yellow, Peace));
    EXPECT_EQ(play("1+4+9+8"), 3);
    EXPECT_TRUE(boardMatchesProposed());
    EXPECT_EQ(host.turnstate, TurnState::Play);
    EXPECT_EQ(host.seats[1].hand[1], tile(Red, Flower));
    EXPECT_TRUE(to(5).empty());  // refusals reach the playing seat only
    EXPECT_TRUE(outlet.alerts.empty());
    // After refusals a legal play is accepted and scored.
    EXPECT_EQ(play("1+1+4+5"), 0);
    EXPECT_EQ(host.playscore, 3);
}

TEST_F(PlayTest, PlaysOutsideTheTurnAreIgnored) {
    hand(1, {tile(Red, Car), 30, 31, 32, 33, 34});
    host.firstplay = 1;
    host.myturn("2+1+6+6");
    host.turnstate = TurnState::None;
    host.myturn("1+1+6+6");
    EXPECT_TRUE(outlet.sent.empty());
    EXPECT_EQ(host.board[6][6].committed, 0);
}

TEST_F(PlayTest, MalformedPlaysAreRefusedWithoutTouchingAnyTable) {
    host.firstplay = 1;
    hand(1, {tile(Red, Car), tile(Red, Heart), 30, 31, 32, 33});
    const HostTables before = host;
    for (const char* text : {"1", "1+7+6+6", "1+0+6+6", "1+-1+6+6", "1+1+6+14", "1+1+-3+6",
                             "1+1+6+6+1+6+7", "1+1+6+6+2+6+6", "1+1+99999+6"}) {
        EXPECT_EQ(play(text), 3) << text;
        EXPECT_EQ(host.board, before.board) << text;
        EXPECT_EQ(host.seats[1].hand, before.seats[1].hand) << text;
    }
    // A field that is not a number stops the play before anything changes.
    EXPECT_THROW(host.myturn("1+1+6+x"), hexaline::protocol::FieldError);
    EXPECT_THROW(host.myturn("1+1+6"), hexaline::protocol::FieldError);
    EXPECT_EQ(host.board, before.board);
    EXPECT_EQ(play("1+1+6+6+2+6+7"), 0);
}

TEST_F(PlayTest, ComputerSeatRefusalShowsTheAlertAndWatchersGetTheErrorToo) {
    awaiting(2);
    hand(2, {tile(Red, Car), 30, 31, 32, 33, 34});
    host.myturn("2+1+0+3");
    ASSERT_EQ(outlet.alerts.size(), 1u);
    EXPECT_EQ(outlet.alerts[0], "Hexaline - error 001");
    EXPECT_TRUE(to(2).empty());
    connect(3);
    awaiting(3);
    host.seats[3].watching = true;
    hand(3, {tile(Red, Car), 30, 31, 32, 33, 34});
    host.myturn("3+1+6+6");
    EXPECT_EQ(outlet.alerts.back(), "Hexaline - error 004");
    EXPECT_EQ(last(3), "CMD_error+3+4+");
}

TEST_F(PlayTest, EmptyingTheHandAddsTenAndEndsTheRound) {
    put(6, 6, tile(Red, Car));
    hand(1, {tile(Red, Smiley), 0, tile(Red, Heart), 0, tile(Red, Flower), 0});
    EXPECT_EQ(play("1+1+6+7+3+6+8+5+6+9"), 0);
    const auto msgs = to(1);
    ASSERT_GE(msgs.size(), 2u);
    EXPECT_EQ(msgs[msgs.size() - 2], "CMD_hisplay+1+4+4+0+1+10+6+7+3+22+6+8+5+16+6+9");
    EXPECT_EQ(msgs.back(), "CMD_ranout+1+14+14+");
    EXPECT_EQ(host.seats[1].score, 14);
    EXPECT_EQ(host.breakaction, BreakAction::EndRound);
    EXPECT_EQ(host.breakcount, 3);
}

}  // namespace
}  // namespace hexaline::engine::testing
