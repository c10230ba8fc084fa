// SPDX-License-Identifier: GPL-3.0-or-later
// The move search and the computer player's choice of play.
#include "engine/players/normal.h"
#include "engine_fixture.h"
#include "support/reference_search.h"

namespace hexaline::engine::testing {
namespace {

class SearchTest : public EngineTest {
  protected:
    void SetUp() override {
        awaiting(2);
        // Red car at (6, 6); a hand where three tiles extend it.
        put(6, 6, tile(Red, Car));
        hand(2, {tile(Red, Smiley), tile(Red, Heart), tile(Blue, Car), tile(Green, Flower),
                 tile(Red, Flower), tile(Yellow, Bubbles)});
    }
};

TEST_F(SearchTest, ExtensionCountLaysTilesInSlotOrderAndRestoresTheBoard) {
    EXPECT_EQ(host.computercheckupdown(2, 6, 6), 3);
    const Placements expected{{{0, 0}, {7, 6}, {8, 6}, {0, 0}, {0, 0}, {9, 6}, {0, 0}}};
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_EQ(host.botplacement[slot].row, expected[slot].row) << slot;
        EXPECT_EQ(host.botplacement[slot].column, expected[slot].column) << slot;
    }
    EXPECT_TRUE(boardMatchesProposed());
    EXPECT_EQ(host.computercheckleftright(2, 6, 6), 3);
    EXPECT_EQ(host.botplacement[5].column, 9);
    EXPECT_TRUE(boardMatchesProposed());
}

TEST_F(SearchTest, ExtensionStopsAtTheEdgeAndAtTiles) {
    host.clearboard();
    put(12, 6, tile(Red, Car));
    EXPECT_EQ(host.computercheckupdown(2, 12, 6), 3);
    EXPECT_EQ(host.botplacement[1].row, 11);
    EXPECT_EQ(host.botplacement[5].row, 9);
    put(6, 1, tile(Red, Car));
    EXPECT_EQ(host.computercheckleftright(2, 6, 1), 3);
    EXPECT_EQ(host.botplacement[1].column, 2);
    // Tiles on both sides: nothing is laid.
    put(5, 1, tile(Blue, Car));
    put(7, 1, tile(Green, Car));
    EXPECT_EQ(host.computercheckupdown(2, 6, 1), 0);
    // No hand tile shares colour or shape with the anchor.
    hand(2, {tile(Blue, Flower), tile(Green, Heart), 0, 0, 0, 0});
    EXPECT_EQ(host.computercheckupdown(2, 12, 6), 0);
    EXPECT_EQ(host.computercheckleftright(2, 12, 6), 0);
    EXPECT_TRUE(boardMatchesProposed());
}

TEST_F(SearchTest, ComputerPlaysTheVerticalSearchOnATie) {
    EXPECT_EQ(NormalPlayer::computerchoice(host.board, host.seats[2].hand, 2, host.botplacement),
              "2+1+7+6+2+8+6+5+9+6");
    EXPECT_EQ(support::computerchoiceLiteral(host, 2), "2+1+7+6+2+8+6+5+9+6");
    host.computerplay(2);
    EXPECT_EQ(host.board[9][6].committed, tile(Red, Flower));
    EXPECT_EQ(host.seats[2].score, 4);
}

TEST_F(SearchTest, EqualCountsGoToTheLowerColumnThenTheUpperRow) {
    host.clearboard();
    hand(2, {tile(Red, Smiley), 0, 0, 0, 0, 0});
    put(9, 8, tile(Red, Car));
    put(3, 5, tile(Red, Heart));
    put(10, 5, tile(Red, Flower));
    EXPECT_EQ(NormalPlayer::computerchoice(host.board, host.seats[2].hand, 2, host.botplacement),
              "2+1+4+5");
    EXPECT_EQ(support::computerchoiceLiteral(host, 2), "2+1+4+5");
    // The larger count wins over an earlier anchor.
    hand(2, {tile(Red, Smiley), tile(Red, Peace), 0, 0, 0, 0});
    put(4, 5, tile(Red, Smiley) + 36);
    EXPECT_EQ(support::computerchoiceLiteral(host, 2),
              NormalPlayer::computerchoice(host.board, host.seats[2].hand, 2, host.botplacement));
}

TEST_F(EngineTest, OpeningSets) {
    awaiting(2, true);
    hand(2, {tile(Purple, Car), tile(Purple, Smiley), tile(Purple, Flower), tile(Yellow, Car),
             tile(Orange, Car), tile(Green, Peace)});
    host.computerplay(2);
    EXPECT_EQ(host.board[4][4].committed, tile(Purple, Car));
    EXPECT_EQ(host.board[5][4].committed, tile(Purple, Smiley));
    EXPECT_EQ(host.board[6][4].committed, tile(Purple, Flower));

    hand(2, {tile(Red, Car), tile(Red, Car) + 36, tile(Red, Smiley), tile(Red, Heart),
             tile(Blue, Flower), tile(Green, Bubbles)});
    EXPECT_EQ(NormalPlayer::computergetcolorsets(host.seats[2].hand, 6), "");
    EXPECT_EQ(NormalPlayer::computergetcolorsets(host.seats[2].hand, 3), "+1+4+4+3+5+4+4+6+4");

    hand(2, {1, 7, 13, 19, 25, 31});
    EXPECT_EQ(NormalPlayer::computergetcolorsets(host.seats[2].hand, 6),
              "+1+4+4+2+5+4+3+6+4+4+7+4+5+8+4+6+9+4");

    // A shape set is laid along row 4; the column counter runs on over discarded seeds.
    hand(2, {tile(Red, Car), tile(Blue, Heart), tile(Green, Car), tile(Yellow, Flower),
             tile(Red, Smiley), tile(Purple, Heart)});
    EXPECT_EQ(NormalPlayer::computergetcolorsets(host.seats[2].hand, 2), "+1+4+4+5+5+4");
    EXPECT_EQ(NormalPlayer::computergetshapesets(host.seats[2].hand, 2), "+1+4+4+3+4+5");
    EXPECT_EQ(NormalPlayer::computergetshapesets(host.seats[2].hand, 1), "+4+4+10");
    // Empty slots are never offered.
    hand(2, {0, 0, tile(Red, Car), 0, 0, 0});
    EXPECT_EQ(NormalPlayer::computergetcolorsets(host.seats[2].hand, 1), "+3+4+4");
}

}  // namespace
}  // namespace hexaline::engine::testing
