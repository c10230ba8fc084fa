// SPDX-License-Identifier: GPL-3.0-or-later
// A whole solo game played through the real window with the keyboard alone, against the
// computer player in the same process, to its winner.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_client.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "art/picture_button.h"
#include "support/fast_solo_game.h"
#include "support/suggested_play.h"
#include "table/board_view.h"
#include "table/hand_image.h"
#include "table/table_panel.h"
#include "text/settings/settings_location.h"
#include "windows/gamestart_form.h"
#include "windows/quick_instructions.h"

using namespace hexaline;

namespace {

// Arrow keys from the cursor's square to (row, column).
void moveTo(QWidget* board, QPoint& cursor, int row, int column) {
    for (; cursor.x() < row; cursor.rx()++)
        QTest::keyClick(board, Qt::Key_Down);
    for (; cursor.x() > row; cursor.rx()--)
        QTest::keyClick(board, Qt::Key_Up);
    for (; cursor.y() < column; cursor.ry()++)
        QTest::keyClick(board, Qt::Key_Right);
    for (; cursor.y() > column; cursor.ry()--)
        QTest::keyClick(board, Qt::Key_Left);
}

Qt::Key slotKey(int slot) {
    return static_cast<Qt::Key>(Qt::Key_1 + slot - 1);
}

TEST(KeyboardGame, PlayedWithTheKeyboardAloneToAWinner) {
    support::FastSoloGame solo(5);
    app::MainWindow& window = solo.window;
    windows::GameStartForm& gamestart = solo.gamestart;
    app::GameClient& client = *solo.client;
    table::TablePanel& panel = client.panel();
    table::GameTable& table = client.table();
    QWidget* board = panel.board;

    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.playername(1)->text() == "You"; }, 10000));
    // A fresh profile opens the quick instructions over the table, Done in focus: Esc closes
    // them.
    auto* help = panel.findChild<windows::QuickInstructions*>("panel_help");
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return help->isVisible(); }, 5000));
    EXPECT_TRUE(help->doneButton->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    // Ctrl+I brings them back; Enter closes them too.
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    ASSERT_TRUE(help->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(help->isVisible());

    // In the chat input the keys type; Esc leaves it for the board, Tab goes back and forth.
    panel.mychat->setFocus();
    panel.mychat->clear();
    QTest::keyClicks(panel.mychat, "1 fcp");
    EXPECT_EQ(panel.mychat->text(), "1 fcp");
    QTest::keyClick(panel.mychat, Qt::Key_Escape);
    EXPECT_TRUE(board->hasFocus());
    auto* cursorView = board->findChild<QWidget*>("keyboard_cursor");
    ASSERT_NE(cursorView, nullptr);
    EXPECT_TRUE(cursorView->isVisible());
    QTest::keyClick(board, Qt::Key_Tab);
    EXPECT_TRUE(panel.mychat->hasFocus());
    EXPECT_FALSE(cursorView->isVisible());
    QTest::keyClick(panel.mychat, Qt::Key_Tab);
    EXPECT_TRUE(board->hasFocus());
    panel.mychat->clear();

    // Ctrl+S opens the game start dialog with START in focus. Tab reaches the two numbers,
    // whose arrow keys choose a one-round game with 30 seconds a turn; Tab back to START and
    // Space starts the game.
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return gamestart.isVisible(); }, 5000));
    QApplication::setActiveWindow(&gamestart);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&gamestart));
    EXPECT_TRUE(gamestart.button_start->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(gamestart.playToSpin->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(gamestart.playToScore(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(gamestart.turnTimeSpin->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(gamestart.timePerTurn(), 30);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(gamestart.button_start->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(gamestart.isVisible());
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.playername(2)->text() == "Klot"; }, 5000));
    board->setFocus();

    QPoint cursor(6, 6);  // where the cursor starts
    bool triedTakeBack = false;
    support::SoloTurns turns;
    turns.pass = [&] { QTest::keyClick(board, Qt::Key_P); };
    turns.play = [&](const support::Play& play) {
        if (!triedTakeBack) {
            // Lay the first tile, take it back with Enter, then clear an empty turn: the
            // hand is whole again and Pass is still there.
            triedTakeBack = true;
            const auto [slot, row, column] = play.front();
            QTest::keyClick(board, slotKey(slot));
            EXPECT_EQ(table.model().selectedslot(), slot);
            moveTo(board, cursor, row, column);
            QTest::keyClick(board, Qt::Key_Return);
            EXPECT_EQ(table.model().board().at(row, column).squarestate, slot);
            EXPECT_TRUE(panel.button_finish->isVisible());
            QTest::keyClick(board, Qt::Key_Space);
            EXPECT_EQ(table.model().board().at(row, column).squarestate, 0);
            EXPECT_TRUE(panel.tileImage(slot)->isVisible());
            // Finish does nothing while it is hidden.
            QTest::keyClick(board, Qt::Key_F);
            EXPECT_EQ(table.model().turnseat(), table.model().myseat());
        }
        for (const auto& [slot, row, column] : play) {
            QTest::keyClick(board, slotKey(slot));
            moveTo(board, cursor, row, column);
            QTest::keyClick(board, Qt::Key_Return);
        }
        EXPECT_TRUE(panel.button_finish->isVisible());
        QTest::keyClick(board, Qt::Key_F);
    };
    ASSERT_TRUE(support::playToAWinner(solo, turns));

    const QString winner = panel.label_winner1->text();
    EXPECT_TRUE(winner == "You have Won the Game!" || winner == "Klot has Won the Game!")
        << winner.toStdString();
    EXPECT_GT(turns.plays, 0);
    EXPECT_TRUE(triedTakeBack);
    RecordProperty("plays", turns.plays);
    RecordProperty("passes", turns.passes);
    settings::setSettingsFilePath(QString());
}

}  // namespace
