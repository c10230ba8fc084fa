// SPDX-License-Identifier: GPL-3.0-or-later
// A whole solo game played through the real window's controls with the mouse, against the
// computer player in the same process, to its winner.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_client.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "protocol/reader.h"
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

TEST(SoloGame, PlayedWithTheMouseToAWinner) {
    support::FastSoloGame solo(5);
    app::MainWindow& window = solo.window;
    windows::GameStartForm& gamestart = solo.gamestart;
    app::GameClient& client = *solo.client;
    const QTemporaryDir& dir = solo.settingsFile.dir;
    table::TablePanel& panel = client.panel();

    window.show();
    ASSERT_TRUE(support::waitFor([&] { return panel.playername(1)->text() == "You"; }, 10000));
    ASSERT_TRUE(panel.button_start->isVisible());

    // The first connection with a new settings file shows the quick instructions; Done hides
    // them, and the file remembers that they were shown.
    auto* help = panel.findChild<windows::QuickInstructions*>("panel_help");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->pos(), QPoint(3, 4));
    QTest::mouseClick(help->doneButton, Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
    QFile ini(dir.filePath("orviklobby.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Help=2"));

    QTest::mouseClick(panel.button_start, Qt::LeftButton);
    ASSERT_TRUE(support::waitFor([&] { return gamestart.isVisible(); }, 5000));
    gamestart.setPlayToScore(0);  // a one-round game, unless the round ends in a tie
    gamestart.setTimePerTurn(30);
    QTest::mouseClick(gamestart.button_start, Qt::LeftButton);
    ASSERT_TRUE(support::waitFor([&] { return panel.playername(2)->text() == "Klot"; }, 5000));

    support::SoloTurns turns;
    turns.pass = [&] { QTest::mouseClick(panel.button_pass, Qt::LeftButton); };
    turns.play = [&](const support::Play& play) {
        for (const auto& [slot, row, column] : play) {
            QTest::mouseClick(panel.tileImage(slot), Qt::LeftButton);
            QTest::mouseClick(panel.board, Qt::LeftButton, {},
                              QPoint((column - 1) * 36 + 18, (row - 1) * 36 + 18));
        }
        EXPECT_TRUE(panel.button_finish->isVisible());
        QTest::mouseClick(panel.button_finish, Qt::LeftButton);
    };
    ASSERT_TRUE(support::playToAWinner(solo, turns));

    const QString winner = panel.label_winner1->text();
    EXPECT_TRUE(winner == "You have Won the Game!" || winner == "Klot has Won the Game!")
        << winner.toStdString();
    EXPECT_EQ(panel.label_status->text(), "Game Over!");
    EXPECT_GT(turns.plays, 0);
    EXPECT_TRUE(panel.button_start->isVisible());  // the host may start the next game
    RecordProperty("plays", turns.plays);
    RecordProperty("passes", turns.passes);
    settings::setSettingsFilePath(QString());
}

}  // namespace
