// SPDX-License-Identifier: GPL-3.0-or-later
// The table shows a game driven through the client's model alone: no socket, no host message.
#include "engine/tiles.h"

#include "table_fixture.h"

namespace hexaline::table {
namespace {

using client::Info;
using client::Square;
using ModelViewTest = TableTest;

TEST_F(ModelViewTest, EveryControlFollowsTheModel) {
    client::GameModel& m = model();
    m.seatTaken(2, "Bob");
    m.setScore(2, 140);
    m.setPoints(2, 12);
    m.setWatching(3, true);
    m.setSitsOut(4, true);
    EXPECT_EQ(panel.playername(2)->text(), "Bob");
    EXPECT_EQ(panel.score(2)->text(), "140");
    EXPECT_EQ(panel.bonus(2)->text(), "+12");
    EXPECT_TRUE(panel.score(2)->isVisible());
    EXPECT_TRUE(panel.eyes(3)->isVisible());
    EXPECT_TRUE(panel.notplaying(4)->isVisible());
    EXPECT_FALSE(panel.score(4)->isVisible());

    m.setHandTile(1, 7);
    m.setHandTile(2, 0);
    EXPECT_TRUE(hand(1)->isVisible());
    EXPECT_EQ(hand(1)->picture(), engine::kindof(7));
    EXPECT_FALSE(hand(2)->isVisible());
    m.setSelectedslot(1);
    EXPECT_EQ(hand(1)->y(), HandImage::kRaisedY);
    m.setPlaced(1, {3, 4});
    EXPECT_FALSE(hand(1)->isVisible());  // its tile lies on the board this turn

    settle();
    const int painted = panel.board->squaresPainted();
    m.setSquare(3, 4, Square{7, 1});
    settle();
    EXPECT_EQ(panel.board->squaresPainted(), painted + 1);

    m.setStatus("Bob's turn.");
    m.setInfo(Info::PlayTo, "Play to Score: 300");
    m.setInfo(Info::Round, "Round: 2");
    m.setInfo(Info::TilesLeft, "Tiles Left: 51");
    m.setInfo(Info::TimePerTurn, "Time Per Turn: 1:00 mins");
    EXPECT_EQ(status(), "Bob's turn.");
    EXPECT_EQ(label("label_playtoscore")->text(), "Play to Score: 300");
    EXPECT_EQ(label("label_roundnum")->text(), "Round: 2");
    EXPECT_EQ(label("label_tilesleft")->text(), "Tiles Left: 51");
    EXPECT_EQ(label("label_timeperturn")->text(), "Time Per Turn: 1:00 mins");

    m.setMarkerSeat(2);
    EXPECT_EQ(panel.image_Turn->y(), panel.playername(2)->y() + 2);
    m.setTurnlength(60);
    m.startTurnClock(45);
    EXPECT_EQ(label("label_timer")->text(), "Time: 0:45");
    EXPECT_EQ(panel.image_timer->width(), 4 * 45);

    m.setButtons({.pass = true});
    EXPECT_TRUE(panel.button_pass->isVisible());
    EXPECT_FALSE(panel.button_finish->isVisible());
    m.setButtons({.finish = true, .clear = true});
    EXPECT_FALSE(panel.button_pass->isVisible());
    EXPECT_TRUE(panel.button_finish->isVisible() && panel.button_clear->isVisible());
    m.setStartShown(false);
    EXPECT_FALSE(panel.button_start->isVisible());

    m.setWinner("Bob has Won the Game!");
    EXPECT_TRUE(panel.panel_winner->isVisible());
    EXPECT_EQ(panel.label_winner1->text(), "Bob has Won the Game!");
    m.setWinner(std::nullopt);
    EXPECT_FALSE(panel.panel_winner->isVisible());

    // A spectator holds no hand.
    m.setMyseat(6);
    EXPECT_FALSE(hand(3)->isVisible());
    EXPECT_TRUE(sent.empty());
}

}  // namespace
}  // namespace hexaline::table
