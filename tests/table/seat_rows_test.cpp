// SPDX-License-Identifier: GPL-3.0-or-later
// The seat rows and the hand row show the client's game model: labels never overlap, a free
// seat shows no score of the player who left it, and a spectator holds no hand.
#include <QLabel>

#include "table_fixture.h"

namespace hexaline::table {
namespace {

using SeatRowsTest = TableTest;

bool leftOf(const QLabel* a, const QLabel* b) {
    return a->geometry().right() < b->geometry().left();
}

TEST_F(SeatRowsTest, ScoresAndPointsNeverOverlapUpToFourDigits) {
    model().seatTaken(2, "Bartholomew the Magnificent");
    feed(Msg::GameStarted, {"Ann", "0", "30"});
    for (const char* total : {"7", "152", "9999"}) {
        feed(Msg::HisPlay, {2, std::atoi(total), 22, 0}, {{1, 7, 6, 6}});
        EXPECT_TRUE(leftOf(panel.playername(2), panel.score(2))) << total;
        EXPECT_TRUE(leftOf(panel.score(2), panel.bonus(2))) << total;
        EXPECT_LE(panel.bonus(2)->geometry().right(), panel.width()) << total;
    }
    // Running out puts the points beside the new total too.
    feed(Msg::RanOut, {1, 1523, 1010});
    EXPECT_EQ(panel.score(1)->text(), "1523");
    EXPECT_EQ(panel.bonus(1)->text(), "+1010");
    EXPECT_TRUE(leftOf(panel.score(1), panel.bonus(1)));
}

TEST_F(SeatRowsTest, ADepartedPlayersScoreLeavesWithThem) {
    model().seatTaken(3, "Cy");
    feed(Msg::GameStarted, {"Ann", "0", "30"});
    feed(Msg::HisPlay, {3, 10, 10, 0}, {{1, 7, 6, 6}});
    ASSERT_TRUE(panel.score(3)->isVisible());
    model().setPlayerName(3, session::kWaiting);
    EXPECT_EQ(panel.playername(3)->text(), "<Waiting>");
    EXPECT_FALSE(panel.score(3)->isVisible());
    EXPECT_FALSE(panel.bonus(3)->isVisible());
    // The computer takes the seat over on its next turn, score and all.
    feed(Msg::NextPlayer, {3, "t", 80});
    EXPECT_EQ(panel.playername(3)->text(), "Klick");
    EXPECT_TRUE(panel.score(3)->isVisible());
    EXPECT_EQ(panel.score(3)->text(), "10");
}

TEST_F(SeatRowsTest, ASpectatorHoldsNoHand) {
    for (int slot = 1; slot <= kHandSlots; ++slot)
        hand(slot)->setVisible(slot != 6);  // the placeholders before the first deal
    model().setMyseat(6);
    for (int slot = 1; slot <= kHandSlots; ++slot)
        EXPECT_FALSE(hand(slot)->isVisible()) << slot;
    // A message for a player's hand does not reach a spectator's row either.
    feed(Msg::MyTiles, {6}, {{1, 1}, {2, 2}});
    EXPECT_FALSE(hand(1)->isVisible());
}

}  // namespace
}  // namespace hexaline::table
