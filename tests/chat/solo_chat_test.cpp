// SPDX-License-Identifier: GPL-3.0-or-later
// Chat in a real solo game: lines typed in the window go to the host and come back coloured,
// with "/me" actions, smileys, links, a phrase button and a chatter sound.
//   With HEXALINE_SCREENSHOT=<file.png> the table is saved as a picture at the end.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "app/game_client.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "chat/chat.h"
#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "chat/phrase_buttons.h"
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

bool logHas(chat::ChatLog& log, const QString& text) {
    for (QTextBlock block = log.document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(text))
            return true;
    }
    return false;
}

TEST(SoloChat, LinesGoToTheHostAndComeBackInTheSendersColour) {
    support::FastSoloGame solo(20);
    app::MainWindow& window = solo.window;
    windows::GameStartForm& gamestart = solo.gamestart;
    app::HostSide& host = solo.host;
    app::GameClient& client = *solo.client;
    const QTemporaryDir& dir = solo.settingsFile.dir;
    table::TablePanel& panel = client.panel();
    table::GameTable& table = client.table();
    chat::Chat& chat = client.chat();
    chat.sounds().hasAudioOutput = [] { return false; };
    chat::ChatLog& log = *chat.area().mainchat;

    window.show();
    ASSERT_TRUE(support::waitFor([&] { return panel.playername(1)->text() == "You"; }, 10000));
    if (auto* help = panel.findChild<windows::QuickInstructions*>("panel_help"))
        help->hide();

    // A short game: a few plays of the user's, the computer answering.
    QTest::mouseClick(panel.button_start, Qt::LeftButton);
    ASSERT_TRUE(support::waitFor([&] { return gamestart.isVisible(); }, 5000));
    gamestart.setPlayToScore(0);
    QTest::mouseClick(gamestart.button_start, Qt::LeftButton);
    int plays = 0;
    const auto& game = host.service().session().game();
    support::waitFor(
        [&] {
            if (panel.panel_winner->isVisible() || plays >= 3)
                return true;
            if (table.model().turnseat() != table.model().myseat() ||
                !panel.button_pass->isVisible())
                return false;
            const support::Play play = support::suggestedPlay(game, 1);
            if (play.empty()) {
                QTest::mouseClick(panel.button_pass, Qt::LeftButton);
                return false;
            }
            for (const auto& [slot, row, column] : play) {
                QTest::mouseClick(panel.tileImage(slot), Qt::LeftButton);
                QTest::mouseClick(panel.board, Qt::LeftButton, {},
                                  QPoint((column - 1) * 36 + 18, (row - 1) * 36 + 18));
            }
            QTest::mouseClick(panel.button_finish, Qt::LeftButton);
            ++plays;
            support::waitFor([&] { return table.model().turnseat() != table.model().myseat(); },
                             5000);
            return false;
        },
        60000);
    EXPECT_GT(plays, 0);

    QLineEdit& input = *chat.area().mychat;
    auto say = [&](const QString& text) {
        input.setFocus();
        input.setText(text);
        QTest::keyClick(&input, Qt::Key_Return);
    };
    chat.area().setChosenColourText(QStringLiteral("clPurple"));
    say(QStringLiteral("good game :)#10 :)#15 :)#23 see www.example.org"));
    ASSERT_TRUE(support::waitFor([&] { return logHas(log, "You chats:  good game"); }, 5000));
    say(QStringLiteral("/me waves hello"));
    ASSERT_TRUE(support::waitFor([&] { return logHas(log, " You waves"); }, 5000));
    say(QStringLiteral("/nick nobody"));
    QTest::mouseClick(panel.phrase(1), Qt::LeftButton);
    ASSERT_TRUE(support::waitFor([&] { return logHas(log, "You says:  Way To Go!"); }, 5000));
    window.preferences().setPlayerPhraseSounds(false);
    chat.phrases().sendChatterSound(13);
    ASSERT_TRUE(
        support::waitFor([&] { return logHas(log, "You:  <Chatter Sound> Applause"); }, 5000));
    EXPECT_FALSE(logHas(log, "nobody"));

    // The user's lines are purple, the links green.
    const QTextBlock said = log.document()->findBlock(log.document()->find("good game").position());
    EXPECT_EQ(said.begin().fragment().charFormat().foreground().color(), QColor(128, 0, 128));

    // Both "Scroll Chat Off" entries keep one state.
    QAction* optionsEntry = window.findChild<QAction*>(QStringLiteral("ScrollChatOff2"));
    ASSERT_NE(optionsEntry, nullptr);
    optionsEntry->trigger();
    EXPECT_TRUE(log.ScrollChatOff1->isChecked());
    EXPECT_TRUE(log.scrollLock());
    log.ScrollChatOff1->trigger();
    EXPECT_FALSE(optionsEntry->isChecked());
    EXPECT_FALSE(log.scrollLock());
    // Text Size is saved and shown from the next line.
    window.findChild<QAction*>(QStringLiteral("N14"))->trigger();
    EXPECT_EQ(log.textSize(), 14);
    QFile ini(dir.filePath("orviklobby.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray saved = ini.readAll();
    EXPECT_TRUE(saved.contains("Textsize=14")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("Textcolor=clPurple")) << saved.toStdString();

    if (const QByteArray path = qgetenv("HEXALINE_SCREENSHOT"); !path.isEmpty()) {
        window.grab().save(QString::fromLocal8Bit(path));
        const QPixmap sounds = chat.phrases().popup_sounds->grab();
        sounds.save(QString::fromLocal8Bit(path).replace(".png", "-sounds.png"));
        chat.area().popup_smilies->grab().save(
            QString::fromLocal8Bit(path).replace(".png", "-smileys.png"));
    }
    settings::setSettingsFilePath(QString());
}

}  // namespace
