// SPDX-License-Identifier: GPL-3.0-or-later
// Phrase buttons: their faces and phrases, the flood guard and the editor.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "chat/phrase_editor.h"
#include "chat_fixture.h"
#include "text/settings/settings_location.h"

namespace hexaline::chat {
namespace {

const std::string kEnd(1, protocol::kTerminator);

TEST_F(ChatTest, PhraseButtonsSendOncePerTwoSeconds) {
    setSeat(2);
    EXPECT_EQ(panel.phrase(1)->toolTip(), QStringLiteral("Way To Go!"));
    EXPECT_FALSE(panel.phrase(1)->icon().isNull());
    EXPECT_FALSE(panel.phrase(10)->icon().isNull());
    QTest::mouseClick(panel.phrase(1), Qt::LeftButton);
    now = 100;
    QTest::mouseClick(panel.phrase(2), Qt::LeftButton);
    now = 1999;
    QTest::mouseClick(panel.phrase(2), Qt::LeftButton);
    now = 2000;
    QTest::mouseClick(panel.phrase(2), Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<std::string>{"CMD_action+2+says: Way To Go!|clBlack" + kEnd,
                                              "CMD_action+2+says: Good One!|clBlack" + kEnd}));
}

TEST_F(ChatTest, MePhrasesSendTheirWordsAlone) {
    chat.phrases().setPhrase(4, QStringLiteral("/me waves hello"));
    chat.phrases().setPhrase(5, QStringLiteral("/mewaves"));
    chat.phrases().sayPhrase(4);
    now += 2000;
    chat.phrases().sayPhrase(5);
    EXPECT_EQ(sent, (std::vector<std::string>{"CMD_action+1+waves hello|clBlack" + kEnd,
                                              "CMD_action+1+says: /mewaves|clBlack" + kEnd}));
}

TEST_F(ChatTest, EditorDoneSetsThePhrasesAndWritesThemKeepingOtherSections) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orviklobby.ini"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[lobby]\r\nName=Ann\r\n[agame]\r\nTextsize=12\r\n");
    }
    settings::setSettingsFilePath(path);
    chat.hooks.savephrases = defaultChatHooks().savephrases;

    PhraseButtons& row = chat.phrases();
    row.openPhraseList();
    PhraseEditor& editor = *row.phrases;
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Hexaline - Phrase Buttons "));
    EXPECT_EQ(editor.field(9)->text(), QStringLiteral("Good Game Everyone!"));
    EXPECT_EQ(editor.field(1)->maxLength(), 50);
    editor.field(3)->setText(QStringLiteral("Hi all"));
    editor.field(7)->clear();
    QTest::mouseClick(editor.doneButton, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(panel.phrase(3)->toolTip(), QStringLiteral("Hi all"));
    EXPECT_EQ(panel.phrase(2)->toolTip(), QStringLiteral("Good One!"));
    EXPECT_TRUE(panel.phrase(7)->toolTip().isEmpty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("[lobby]\r\nName=Ann\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Textsize=12"));
    EXPECT_TRUE(text.contains("Phrase3=Hi all"));
    EXPECT_TRUE(text.contains("Phrase2=Good One!"));
    EXPECT_TRUE(text.contains("Phrase7=\r\n"));
    settings::setSettingsFilePath(QString());
}

TEST_F(ChatTest, AFailedWriteKeepsTheEditorOpen) {
    chat.hooks.savephrases = [](const std::array<QString, settings::kPhraseCount>&) {
        return settings::WriteResult{false, QStringLiteral("/nowhere/orviklobby.ini")};
    };
    chat.phrases().openPhraseList();
    chat.phrases().phrases->field(1)->setText(QStringLiteral("New"));
    chat.phrases().savePhrases();
    EXPECT_TRUE(chat.phrases().phrases->isVisible());
    EXPECT_EQ(messages, QStringList{QStringLiteral("Unable to write to /nowhere/orviklobby.ini")});
    EXPECT_EQ(panel.phrase(1)->toolTip(), QStringLiteral("New"));
}

}  // namespace
}  // namespace hexaline::chat
