// SPDX-License-Identifier: GPL-3.0-or-later
// The user's turn with the mouse: hand, board, Finish, Clear, Pass, Start and the turn clock.
#include <QMouseEvent>

#include "table_fixture.h"

namespace hexaline::table {
namespace {

using InputTest = TableTest;

QPoint squareCentre(int row, int column) {
    return {(column - 1) * 36 + 18, (row - 1) * 36 + 18};
}

class TurnTest : public TableTest {
  protected:
    TurnTest() { startMyTurn(); }
    void pick(int slot, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(hand(slot), button);
    }
    // A press sent straight to the board: QTest reads the point (0, 0) as "the centre".
    void clickBoard(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at),
                          panel.board->mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(panel.board, &press);
    }
    void lay(int slot, int row, int column) {
        pick(slot);
        clickBoard(squareCentre(row, column));
    }
};

TEST_F(InputTest, NothingHappensOutsideMyTurn) {
    feed(Msg::MyTiles, {1}, {{1, 1}});
    QTest::mouseClick(hand(1), Qt::LeftButton);
    EXPECT_EQ(model().selectedslot(), 0);
    EXPECT_EQ(hand(1)->y(), HandImage::kRestY);
    model().setSelectedslot(1);
    QTest::mouseClick(panel.board, Qt::LeftButton, {}, squareCentre(1, 1));
    EXPECT_EQ(model().board().at(1, 1).squarestate, 0);
    turn().pass();
    turn().finish();
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(TurnTest, PickingUpAndPuttingDownHandTiles) {
    pick(2);
    EXPECT_EQ(model().selectedslot(), 2);
    EXPECT_EQ(hand(2)->y(), HandImage::kRaisedY);
    EXPECT_EQ(sounds, QStringList({"pickup"}));
    pick(4);  // a second pick lowers the first at once
    EXPECT_EQ(model().selectedslot(), 4);
    EXPECT_EQ(hand(2)->y(), HandImage::kRestY);
    pick(4);  // the picked-up tile again puts it down
    EXPECT_EQ(model().selectedslot(), 0);
    EXPECT_EQ(hand(4)->y(), HandImage::kRestY);
    pick(5);
    pick(1, Qt::RightButton);
    EXPECT_EQ(model().selectedslot(), 0);
    EXPECT_EQ(hand(5)->y(), HandImage::kRestY);

    // A slot without a tile cannot be picked up.
    feed(Msg::MyTiles, {1}, {{6, 0}});
    table.onHandTileReleased(6, Qt::LeftButton);
    EXPECT_EQ(model().selectedslot(), 0);
}

TEST_F(TurnTest, LayingTilesOnTheBoard) {
    clickBoard(squareCentre(3, 3));  // nothing picked up
    EXPECT_TRUE(sounds.isEmpty());

    pick(3);
    clickBoard({0, 0});
    EXPECT_EQ(model().board().at(1, 1).squarestate, 3);
    EXPECT_EQ(model().board().at(1, 1).tile, 3);
    EXPECT_EQ(model().placed(3).row, 1);
    EXPECT_FALSE(hand(3)->isVisible());
    EXPECT_EQ(model().selectedslot(), 0);
    EXPECT_TRUE(panel.button_finish->isVisible());
    EXPECT_TRUE(panel.button_clear->isVisible());
    EXPECT_FALSE(panel.button_pass->isVisible());
    pick(4);
    clickBoard({431, 431});
    EXPECT_EQ(model().board().at(12, 12).squarestate, 4);
    EXPECT_EQ(sounds, QStringList({"pickup", "place", "pickup", "place"}));

    // An occupied square refuses, and the picked-up tile stays picked up.
    feed(Msg::LoadBoard, {1}, {{6, 6, 20}});
    pick(5);
    clickBoard(squareCentre(6, 6));
    clickBoard(squareCentre(1, 1));
    EXPECT_EQ(sounds.mid(5), QStringList({"invalid", "invalid"}));
    EXPECT_EQ(model().selectedslot(), 5);
    EXPECT_EQ(model().board().at(6, 6).tile, 20);
}

TEST_F(TurnTest, RightClickTakesBackOnlyTilesLaidThisTurn) {
    feed(Msg::LoadBoard, {1}, {{6, 6, 20}});
    lay(1, 5, 5);
    lay(2, 5, 6);
    sounds.clear();
    clickBoard(squareCentre(6, 6), Qt::RightButton);
    clickBoard(squareCentre(9, 9), Qt::RightButton);
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_EQ(model().board().at(6, 6).squarestate, kFixed);

    clickBoard(squareCentre(5, 5), Qt::RightButton);
    EXPECT_EQ(model().board().at(5, 5).tile, 0);
    EXPECT_TRUE(hand(1)->isVisible());
    EXPECT_EQ(model().placed(1).row, 0);
    EXPECT_TRUE(panel.button_finish->isVisible());
    clickBoard(squareCentre(5, 6), Qt::RightButton);
    EXPECT_FALSE(panel.button_finish->isVisible());
    EXPECT_FALSE(panel.button_clear->isVisible());
    EXPECT_FALSE(panel.button_pass->isVisible());  // only Clear or the next turn bring it back
    EXPECT_EQ(sounds, QStringList({"clear", "clear"}));
}

TEST_F(TurnTest, FinishSendsThePlayInSlotOrder) {
    turn().finish();
    EXPECT_EQ(sounds, QStringList({"invalid"}));
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(model().turnseat(), 1);

    lay(5, 5, 9);
    lay(1, 5, 7);
    lay(3, 5, 8);
    QTest::mouseClick(panel.button_finish, Qt::LeftButton);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], protocol::build(Msg::Play, {1}, {{1, 5, 7}, {3, 5, 8}, {5, 5, 9}}));
    EXPECT_EQ(sent[0], "CMD_myturn+1+1+5+7+3+5+8+5+5+9\xFF");
    EXPECT_EQ(model().turnseat(), 0);
    EXPECT_FALSE(panel.button_finish->isVisible());
    EXPECT_FALSE(panel.button_clear->isVisible());
    EXPECT_EQ(model().board().at(5, 8).squarestate, 3);  // waits for the host's verdict
}

TEST_F(TurnTest, FinishWhileNotConnectedEndsInputButSendsNothing) {
    setConnected(false);
    lay(2, 1, 1);
    turn().finish();
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(model().turnseat(), 0);
}

TEST_F(TurnTest, ClearBringsTheTilesBackAndKeepsTheSelection) {
    lay(1, 4, 4);
    lay(2, 4, 5);
    pick(6);
    QTest::mouseClick(panel.button_clear, Qt::LeftButton);
    EXPECT_EQ(model().board().at(4, 4).tile, 0);
    EXPECT_EQ(model().board().at(4, 5).squarestate, 0);
    EXPECT_TRUE(hand(1)->isVisible());
    EXPECT_TRUE(hand(2)->isVisible());
    EXPECT_TRUE(panel.button_pass->isVisible());
    EXPECT_FALSE(panel.button_clear->isVisible());
    EXPECT_EQ(hand(6)->y(), HandImage::kRaisedY);  // still picked up, and shown so
    EXPECT_EQ(model().selectedslot(), 6);
    clickBoard(squareCentre(2, 2));
    EXPECT_EQ(model().board().at(2, 2).tile, 6);
}

TEST_F(TurnTest, PassSendsOnlyWithNoTilesLaid) {
    lay(1, 4, 4);
    turn().pass();
    EXPECT_TRUE(sent.empty());
    turn().clear();
    QTest::mouseClick(panel.button_pass, Qt::LeftButton);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], protocol::build(Msg::Pass, {1}));
    EXPECT_EQ(model().turnseat(), 0);
    EXPECT_FALSE(panel.button_pass->isVisible());
}

TEST_F(TurnTest, TimeUpOnMyTurnTakesTheTilesBack) {
    lay(1, 4, 4);
    feed(Msg::TimesUp);
    EXPECT_EQ(model().board().at(4, 4).tile, 0);
    EXPECT_TRUE(hand(1)->isVisible());
    EXPECT_EQ(model().turnseat(), 1);  // until the next turn is announced
}

TEST_F(InputTest, StartOpensTheDialogOnlyWhenConnected) {
    setConnected(false);
    QTest::mouseClick(panel.button_start, Qt::LeftButton);
    EXPECT_EQ(messages, QStringList({"You are not connected."}));
    EXPECT_EQ(dialogs, 0);
    setConnected(true);
    turn().start();
    EXPECT_EQ(dialogs, 1);
}

TEST_F(InputTest, ClockCountsDownTheTurn) {
    feed(Msg::GameStarted, {"Bob", "5", "30"});
    feed(Msg::NextPlayer, {2, "t", 80});
    // The new turn's whole time shows at once, not the last turn's remains.
    EXPECT_EQ(label("label_timer")->text(), "Time: 0:30");
    EXPECT_EQ(panel.image_timer->width(), 240);
    core.events().turnTick();
    EXPECT_EQ(label("label_timer")->text(), "Time: 0:29");
    EXPECT_EQ(panel.image_timer->width(), 232);
    EXPECT_EQ(label("label_timer")->palette().color(QPalette::WindowText), QColor(Qt::black));
    while (model().timeleft() > 19)
        core.events().turnTick();
    EXPECT_EQ(label("label_timer")->palette().color(QPalette::WindowText), QColor(224, 227, 157));
    while (model().timeleft() > 0)
        core.events().turnTick();
    EXPECT_EQ(label("label_timer")->text(), "Time: 0:00");
    EXPECT_EQ(panel.image_timer->width(), 0);
    EXPECT_EQ(sounds.count("tick"), 12);  // at 20, 15 and 10 down to 1
    core.events().turnTick();
    EXPECT_EQ(model().timeleft(), 0);
    EXPECT_TRUE(clockRunning());

    model().setTurnlength(75);
    feed(Msg::NextPlayer, {2, "t", 80});
    core.events().turnTick();
    EXPECT_EQ(label("label_timer")->text(), "Time: 1:14");
    EXPECT_EQ(panel.image_timer->width(), 222);
}

}  // namespace
}  // namespace hexaline::table
