// SPDX-License-Identifier: GPL-3.0-or-later
// The window's preferences through the client side: what the settings file holds shows in the
// menus, the start dialog and the chat; what the user changes there is kept and saved.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_client.h"
#include "app/main_window.h"
#include "chat/chat.h"
#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "support/fast_solo_game.h"
#include "text/settings/load_ini.h"
#include "windows/gamestart_form.h"

using namespace hexaline;

namespace {

struct PreferencesTest : ::testing::Test {
    PreferencesTest() { client = std::make_unique<app::GameClient>(window, gamestart); }

    QAction* entry(const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    QString iniPath() { return settingsFile.dir.filePath("orviklobby.ini"); }
    void store(const QByteArray& text) {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray stored() {
        QFile file(iniPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    support::OwnSettingsFile settingsFile;
    app::MainWindow window{{.arguments = {}, .port = 0, .lobbyPort = 0}};
    windows::GameStartForm gamestart{&window};
    std::unique_ptr<app::GameClient> client;
};

TEST_F(PreferencesTest, TheFileShowsInTheMenusTheStartDialogAndTheChat) {
    store(
        "[agame]\r\nTextsize=12\r\nTextcolor=clteal\r\nPlaytoscore=700\r\n"
        "Timeperturn=45\r\nBotspeed=500\r\nTurnsound=1\r\nPlayerphrasesounds=false\r\n"
        "Playsounds=false\r\nHelp=2\r\n");
    client->loadinifile();
    EXPECT_TRUE(entry("N12")->isChecked());
    EXPECT_TRUE(entry("Fast1")->isChecked());
    EXPECT_TRUE(entry("New1")->isChecked());
    EXPECT_FALSE(entry("PlaySounds1")->isChecked());
    EXPECT_FALSE(entry("PlayerPhraseSounds1")->isChecked());
    EXPECT_EQ(gamestart.edit_playtoscore->text(), QStringLiteral("700"));
    EXPECT_EQ(gamestart.edit_creationtime->text(), QStringLiteral("45"));
    EXPECT_EQ(client->chat().area().mainchat->shownTextSize(), 12);
    EXPECT_EQ(client->chat().area().chosenColourText(), QStringLiteral("clTeal"));

    // A client side made anew (the player joins another table) shows them at once.
    client.reset();
    client = std::make_unique<app::GameClient>(window, gamestart);
    EXPECT_EQ(client->chat().area().mainchat->shownTextSize(), 12);
    EXPECT_EQ(client->chat().area().chosenColourText(), QStringLiteral("clTeal"));
    EXPECT_TRUE(entry("N12")->isChecked());
}

TEST_F(PreferencesTest, WhatTheUserChangesIsKeptAndSaved) {
    store("[agame]\r\nPlaytoscore=500\r\nHelp=2\r\n");
    client->loadinifile();
    entry("PlaySounds1")->trigger();
    EXPECT_FALSE(window.preferences().playSounds());
    EXPECT_TRUE(stored().contains("Playsounds=false")) << stored().toStdString();
    entry("Slow1")->trigger();
    EXPECT_TRUE(stored().contains("Botspeed=2000")) << stored().toStdString();
    entry("N14")->trigger();
    EXPECT_EQ(client->chat().area().mainchat->textSize(), 14);
    EXPECT_TRUE(stored().contains("Textsize=14")) << stored().toStdString();

    // The start dialog's steps reach the preferences at once and the file when a game starts.
    QTest::keyClick(gamestart.playToSpin, Qt::Key_Up);
    EXPECT_EQ(window.preferences().playToScore(), 600);
    EXPECT_FALSE(stored().contains("Playtoscore=600"));
    gamestart.startGame();
    EXPECT_TRUE(stored().contains("Playtoscore=600")) << stored().toStdString();
    const settings::LoadResult again = settings::readinifile(iniPath());
    EXPECT_FALSE(again.playSounds);
    EXPECT_EQ(again.botSpeedMs, settings::kBotSpeedSlow);
}

// Loading and saving again writes the file as it was, but for the window's own bounds.
TEST_F(PreferencesTest, ALoadedFileIsSavedByteForByte) {
    const QString text =
        "[agame]\r\nTextsize=9\r\nTop=%1\r\nLeft=%2\r\nWidth=%3\r\nHeight=%4\r\n"
        "Textcolor=$00102030\r\nPlaytoscore=300\r\nTimeperturn=90\r\nBotspeed=2000\r\n"
        "Turnsound=1\r\nPlayerphrasesounds=false\r\nPlaysounds=true\r\nHelp=2\r\n";
    store(text.arg(40).arg(50).arg(800).arg(560).toLatin1());
    client->loadinifile();
    EXPECT_FALSE(entry("N8")->isChecked() || entry("N10")->isChecked() ||
                 entry("N12")->isChecked() || entry("N14")->isChecked());
    client->saveinifile();
    const settings::WindowBounds b = window.bounds();
    EXPECT_EQ(stored(), text.arg(b.top).arg(b.left).arg(b.width).arg(b.height).toLatin1());
}

}  // namespace
