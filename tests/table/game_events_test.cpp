// SPDX-License-Identifier: GPL-3.0-or-later
// The table's answers to the host's game messages.
#include "table_fixture.h"

namespace hexaline::table {
namespace {

using EventsTest = TableTest;
using protocol::Dispatcher;

TEST_F(EventsTest, StartGameResetsTheTableAndNamesTheBot) {
    model().setJustWatching(true);
    feed(Msg::LoadBoard, {1}, {{4, 4, 7}});
    feed(Msg::Winner, {"Bob"});
    ASSERT_EQ(feed(Msg::GameStarted, {"Ann", "0", "60"}).outcome, Dispatcher::Outcome::Handled);

    EXPECT_EQ(label("label_playtoscore")->text(), "One Round Game");
    EXPECT_EQ(label("label_roundnum")->text(), "Round: 1");
    EXPECT_EQ(label("label_timeperturn")->text(), "Time Per Turn: 1:00 mins");
    EXPECT_EQ(table.barunit(), 4);
    EXPECT_EQ(model().board().at(4, 4).tile, 0);
    EXPECT_FALSE(model().justWatching());
    EXPECT_FALSE(panel.panel_winner->isVisible());
    EXPECT_FALSE(panel.button_start->isVisible());
    EXPECT_FALSE(clockRunning());
    EXPECT_EQ(panel.playername(2)->text(), "Klot");
    EXPECT_EQ(panel.score(2)->x(), panel.playername(2)->geometry().right() + 1 + 6);
    EXPECT_EQ(chat.mid(chat.size() - 2),
              QStringList({"0+You have started a game.", "0+I am Klot the bot. Good Luck!"}));
    EXPECT_TRUE(sounds.filter("turn").isEmpty());
}

TEST_F(EventsTest, StartGameTextsForOthersAndTurnLengths) {
    feed(Msg::GameStarted, {"Bob", "150", "65"});
    EXPECT_EQ(label("label_playtoscore")->text(), "Play to Score: 150");
    EXPECT_EQ(label("label_timeperturn")->text(), "Time Per Turn: 1:05 mins");
    EXPECT_TRUE(chat.contains("0+Bob has started a game."));

    const struct {
        const char* seconds;
        const char* shown;
        int barunit;
    } lengths[] = {{"120", "2:00", 2}, {"45", "0:45", 5}, {"30", "0:30", 8}, {"300", "5:00", 1}};
    for (const auto& l : lengths) {
        feed(Msg::GameStarted, {"Bob", "5", l.seconds});
        EXPECT_EQ(label("label_timeperturn")->text(),
                  QString("Time Per Turn: %1 mins").arg(l.shown));
        EXPECT_EQ(table.barunit(), l.barunit) << l.seconds;
    }

    // A spectator whose name matches still reads the starter's name.
    model().setMyseat(6);
    chat.clear();
    feed(Msg::GameStarted, {"Ann", "5", "30"});
    EXPECT_EQ(chat, QStringList({"0+Ann has started a game."}));
}

TEST_F(EventsTest, StartGameWithBadOrZeroSecondsDoesNotBreakTheClock) {
    feed(Msg::GameStarted, {"Bob", "5", "30"});
    EXPECT_EQ(feed(Msg::GameStarted, {"Bob", "7", "soon"}).outcome, Dispatcher::Outcome::Failed);
    EXPECT_EQ(label("label_playtoscore")->text(),
              "Play to Score: 7");  // applied before the failure
    EXPECT_EQ(label("label_timeperturn")->text(), "Time Per Turn: 0:30 mins");

    ASSERT_EQ(feed(Msg::GameStarted, {"Bob", "7", "0"}).outcome, Dispatcher::Outcome::Handled);
    feed(Msg::NextPlayer, {2, "t", 80});
    core.events().turnTick();
    EXPECT_EQ(label("label_timer")->text(), "Time: 0:00");
}

TEST_F(EventsTest, RoundStartMarksSeatsOutAndClearsTheBoard) {
    feed(Msg::GameStarted, {"Ann", "5", "30"});
    feed(Msg::LoadBoard, {1}, {{1, 1, 3}});
    feed(Msg::HisPlay, {2, 14, 7, 0}, {{1, 9, 5, 5}});
    feed(Msg::RoundStarting, {2}, {{1, "p"}, {2, "p"}, {3, "n"}, {4, "n"}});
    EXPECT_EQ(label("label_roundnum")->text(), "Round: 2");
    EXPECT_EQ(model().board().at(1, 1).squarestate, 0);
    EXPECT_EQ(model().board().at(5, 5).tile, 0);
    EXPECT_TRUE(panel.notplaying(3)->isVisible());
    EXPECT_FALSE(panel.score(3)->isVisible());
    EXPECT_FALSE(panel.bonus(4)->isVisible());
    EXPECT_EQ(panel.score(2)->text(), "14");  // scores stay between rounds

    feed(Msg::RoundStart, {3}, {{1, "p"}, {2, "p"}, {3, "p"}, {4, "n"}});
    EXPECT_EQ(label("label_roundnum")->text(), "Round: 3");
    EXPECT_FALSE(panel.notplaying(3)->isVisible());
    EXPECT_TRUE(panel.score(3)->isVisible());
}

TEST_F(EventsTest, MyTilesChangesOnlyTheListedSlotsOfMySeat) {
    feed(Msg::MyTiles, {1}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}});
    hand(4)->hide();
    feed(Msg::MyTiles, {2}, {{1, 40}});
    EXPECT_EQ(hand(1)->tileCode(), 1);
    feed(Msg::MyTiles, {1}, {{2, 44}, {5, 72}});
    const int codes[] = {1, 44, 3, 4, 72, 6};
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_EQ(hand(slot)->tileCode(), codes[slot - 1]);
    EXPECT_EQ(hand(5)->picture(), 0);
    EXPECT_FALSE(hand(4)->isVisible());
    EXPECT_TRUE(hand(2)->isVisible());
}

TEST_F(EventsTest, NextPlayerForAnotherSeat) {
    feed(Msg::GameStarted, {"Ann", "5", "30"});
    feed(Msg::NextPlayer, {3, "t", 77});
    EXPECT_EQ(panel.playername(3)->text(), "Klick");
    EXPECT_EQ(status(), "Klick's turn.");
    EXPECT_EQ(label("label_tilesleft")->text(), "Tiles Left: 77");
    EXPECT_EQ(panel.image_Turn->y(), 94 + 2);
    EXPECT_EQ(model().turnseat(), 3);
    EXPECT_TRUE(clockRunning());
    EXPECT_EQ(model().timeleft(), 30);
    EXPECT_FALSE(panel.button_pass->isVisible());
    EXPECT_TRUE(sounds.isEmpty());

    feed(Msg::NextPlayer, {2, "f", 70});
    EXPECT_EQ(status(), "Klot's turn, with no valid plays.");
}

TEST_F(EventsTest, NextPlayerForMySeat) {
    feed(Msg::GameStarted, {"Bob", "5", "30"});
    feed(Msg::NextPlayer, {1, "t", 90});
    EXPECT_EQ(status(), "Your Turn.");
    EXPECT_TRUE(panel.button_pass->isVisible());
    EXPECT_EQ(model().turnseat(), 1);
    EXPECT_EQ(sounds, QStringList({"turn"}));

    feed(Msg::NextPlayer, {1, "f", 90});
    EXPECT_EQ(status(), "Your Turn, but you have no valid plays.");
    EXPECT_EQ(sounds.last(), "turn");  // the window picks the chosen turn sound

    model().setJustWatching(true);
    feed(Msg::NextPlayer, {1, "t", 90});
    EXPECT_EQ(status(), "Your Turn, but you are just watching.");
    EXPECT_EQ(model().turnseat(), 0);
    EXPECT_TRUE(panel.button_pass->isVisible());
    EXPECT_TRUE(clockRunning());
}

TEST_F(EventsTest, AnotherSeatsPlayIsDrawnAndScored) {
    feed(Msg::GameStarted, {"Ann", "5", "30"});
    feed(Msg::HisPlay, {1, 3, 3, 0}, {{1, 1, 1, 1}});
    settle();
    const int before = panel.board->squaresPainted();
    feed(Msg::HisPlay, {2, 23, 12, 6}, {{2, 9, 5, 7}, {4, 15, 5, 8}});
    settle();
    EXPECT_EQ(panel.board->squaresPainted() - before, 2);
    EXPECT_EQ(model().board().at(5, 8).tile, 15);
    EXPECT_EQ(model().board().at(5, 8).squarestate, kFixed);
    EXPECT_EQ(panel.score(2)->text(), "23");
    EXPECT_EQ(panel.bonus(2)->text(), "+12");
    EXPECT_EQ(panel.bonus(2)->x(), panel.score(2)->geometry().right() + 1 + 6);
    EXPECT_EQ(panel.bonus(1)->text(), "");
    EXPECT_EQ(status(), "Klot had a good move and got a bonus.");
    EXPECT_EQ(sounds.last(), "finish");
    feed(Msg::HisPlay, {2, 25, 2, 0}, {{3, 10, 6, 7}});
    EXPECT_EQ(status(), "Klot's turn completed.");
}

TEST_F(EventsTest, MyOwnAcceptedPlayIsNotRedrawn) {
    startMyTurn();
    QTest::mouseClick(hand(3), Qt::LeftButton);
    QTest::mouseClick(panel.board, Qt::LeftButton, {}, QPoint(6 * 36 + 3, 4 * 36 + 3));
    turn().finish();
    settle();
    const int before = panel.board->squaresPainted();
    feed(Msg::HisPlay, {1, 2, 2, 0}, {{3, 3, 5, 7}});
    settle();
    EXPECT_EQ(panel.board->squaresPainted(), before);
    EXPECT_EQ(model().board().at(5, 7).squarestate, kFixed);
    EXPECT_EQ(status(), "You completed your turn.");
    EXPECT_FALSE(hand(3)->isVisible());
    EXPECT_EQ(hand(3)->tileCode(), 0);
    feed(Msg::HisPlay, {1, 30, 28, 6}, {{1, 1, 5, 6}});
    EXPECT_EQ(status(), "Good Move, You got a bonus!");

    // A later reset brings back no played tile.
    feed(Msg::TimesUp);
    EXPECT_FALSE(hand(1)->isVisible());
    EXPECT_FALSE(hand(3)->isVisible());
    EXPECT_TRUE(hand(2)->isVisible());
}

TEST_F(EventsTest, ErrorHandsTheTurnBack) {
    startMyTurn();
    QTest::mouseClick(hand(1), Qt::LeftButton);
    QTest::mouseClick(panel.board, Qt::LeftButton, {}, QPoint(10, 10));
    turn().finish();
    ASSERT_EQ(model().turnseat(), 0);

    feed(Msg::Error, {2, 3});
    EXPECT_EQ(model().turnseat(), 0);
    feed(Msg::Error, {1, 3});
    EXPECT_EQ(status(), "That is not a valid grouping");
    EXPECT_EQ(model().turnseat(), 1);
    EXPECT_TRUE(panel.button_finish->isVisible());
    EXPECT_TRUE(panel.button_clear->isVisible());
    EXPECT_EQ(model().placed(1).row, 1);

    model().setTurnseat(0);
    sounds.clear();
    feed(Msg::Error, {1, 5});
    EXPECT_EQ(status(), "That is not a valid grouping");
    EXPECT_EQ(sounds, QStringList({"invalid"}));
    EXPECT_EQ(model().turnseat(), 1);
}

TEST_F(EventsTest, PassRanOutAndTimeUpEndTheTurn) {
    feed(Msg::GameStarted, {"Ann", "5", "30"});
    feed(Msg::NextPlayer, {1, "t", 90});
    feed(Msg::HePassed, {1});
    EXPECT_EQ(status(), "You passed. Turn Over!");
    EXPECT_FALSE(panel.button_pass->isVisible());
    EXPECT_FALSE(clockRunning());
    feed(Msg::HePassed, {2});
    EXPECT_EQ(status(), "Klot passed!");
    feed(Msg::RanOut, {2, 44, 16});
    EXPECT_EQ(status(), "Klot ran out of tiles. Round Over!");
    EXPECT_EQ(panel.score(2)->text(), "44");
    EXPECT_EQ(panel.bonus(2)->text(), "+16");
    feed(Msg::NextPlayer, {3, "t", 90});
    feed(Msg::TimesUp);
    EXPECT_EQ(status(), "Time is Up!");
    EXPECT_FALSE(clockRunning());
    EXPECT_EQ(sounds, QStringList({"turn", "pass", "pass", "roundover", "timeup"}));
}

TEST_F(EventsTest, WinnerForMeForAnotherAndForASpectator) {
    model().setHost(true);
    feed(Msg::GameStarted, {"Ann", "5", "30"});
    feed(Msg::Winner, {"Ann"});
    EXPECT_EQ(panel.label_winner1->text(), "You have Won the Game!");
    EXPECT_EQ(panel.label_winner2->text(), "You have Won the Game!");
    EXPECT_EQ(panel.label_winner2->pos(), panel.label_winner1->pos() + QPoint(1, -1));
    EXPECT_TRUE(panel.panel_winner->isVisible());
    EXPECT_TRUE(panel.button_start->isVisible());
    EXPECT_EQ(status(), "Game Over!");
    EXPECT_EQ(chat.last(), "0+You have Won the Game!");
    feed(Msg::Winner, {"Klot"});
    EXPECT_EQ(panel.label_winner1->text(), "Klot has Won the Game!");
    EXPECT_EQ(games, QStringList({"addtomine", "Klot"}));

    model().setMyseat(5);
    model().setHost(false);
    feed(Msg::GameStarted, {"Ann", "5", "30"});
    feed(Msg::Winner, {"Ann"});
    EXPECT_EQ(panel.label_winner1->text(), "Ann has Won the Game!");
    EXPECT_FALSE(panel.button_start->isVisible());
    EXPECT_EQ(games.size(), 2);
    EXPECT_EQ(sounds.count("gameover"), 3);
}

TEST_F(EventsTest, LatecomerSeesTheRunningGame) {
    model().setMyseat(3);
    feed(Msg::GameStats, {2, 1, 0, 60, 25, 2, 40}, {{1, 12, "t"}});
    EXPECT_EQ(label("label_roundnum")->text(), "Round: 0 of 0");  // not for this seat

    feed(Msg::GameStats, {3, 2, 0, 60, 25, 2, 40},
         {{1, 12, "t"}, {2, 7, "t"}, {3, 0, "f"}, {4, 0, "t"}});
    EXPECT_EQ(label("label_playtoscore")->text(), "Play to Score: 0");
    EXPECT_EQ(label("label_timeperturn")->text(), "Time Per Turn: 60secs");
    EXPECT_EQ(label("label_roundnum")->text(), "Round: 2");
    EXPECT_EQ(label("label_tilesleft")->text(), "Tiles Left: 40");
    EXPECT_EQ(model().turnseat(), 2);
    // The status line says whose turn it is, and the turn marker stands by that name.
    EXPECT_EQ(label("label_status")->text(),
              QString::fromStdString(model().playerName(2)) + "'s turn.");
    EXPECT_EQ(panel.image_Turn->y(), panel.playername(2)->y() + 2);
    EXPECT_EQ(model().timeleft(), 25);
    EXPECT_EQ(table.barunit(), 4);
    EXPECT_TRUE(clockRunning());
    EXPECT_EQ(panel.score(1)->text(), "12");
    EXPECT_TRUE(panel.notplaying(3)->isVisible());
    EXPECT_FALSE(panel.notplaying(4)->isVisible());

    feed(Msg::LoadBoard, {3}, {{6, 6, 5}, {6, 7, 11}});
    EXPECT_EQ(model().board().at(6, 7).tile, 11);
    EXPECT_EQ(model().board().at(6, 6).squarestate, kFixed);

    feed(Msg::MyTiles, {3}, {{1, 7}, {2, 0}, {3, 8}, {4, 9}, {5, 0}, {6, 10}});
    for (int slot : {2, 5}) {
        EXPECT_FALSE(hand(slot)->isVisible());
        EXPECT_EQ(hand(slot)->picture(), -1);
    }
    EXPECT_TRUE(hand(6)->isVisible());
    EXPECT_EQ(hand(6)->picture(), 10);

    feed(Msg::GameStats, {3, 2, 0, 300, 25, 2, 40}, {});
    EXPECT_EQ(table.barunit(), 1);  // as when the game started: the bar still shows
}

TEST_F(EventsTest, BadFieldsStopTheMessageWithoutHarm) {
    feed(Msg::GameStarted, {"Ann", "5", "30"});
    // Out-of-range squares, slots, seats and tiles are refused before they index anything.
    EXPECT_EQ(feed(Msg::HisPlay, {2, 5, 5, 0}, {{1, 9, 5, 5}, {2, 9, 13, 5}}).outcome,
              Dispatcher::Outcome::Failed);
    EXPECT_EQ(model().board().at(5, 5).tile, 9);  // what was applied stays
    EXPECT_EQ(feed(Msg::MyTiles, {1}, {{7, 3}}).outcome, Dispatcher::Outcome::Failed);
    EXPECT_EQ(feed(Msg::NextPlayer, {9, "t", 3}).outcome, Dispatcher::Outcome::Failed);
    EXPECT_EQ(feed(Msg::LoadBoard, {1}, {{1, 1, 109}}).outcome, Dispatcher::Outcome::Failed);
    EXPECT_EQ(feed(Msg::RoundStarting, {2}, {{0, "p"}}).outcome, Dispatcher::Outcome::Failed);

    std::string message = protocol::build(Msg::NextPlayer, {3, "t", 12});
    message.pop_back();
    message.replace(message.find("+12"), 3, "+1x");
    EXPECT_EQ(core.dispatch(message).outcome, Dispatcher::Outcome::Failed);
    EXPECT_EQ(model().turnseat(), 3);  // read before the bad field
    // The next message is handled as usual.
    EXPECT_EQ(feed(Msg::HePassed, {3}).outcome, Dispatcher::Outcome::Handled);
}

}  // namespace
}  // namespace hexaline::table
