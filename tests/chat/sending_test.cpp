// SPDX-License-Identifier: GPL-3.0-or-later
// The input: sending rules, the placeholder, smileys, Paste and the text colour.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include "chat_fixture.h"

namespace hexaline::chat {
namespace {

const std::string kEnd(1, protocol::kTerminator);

class SendingTest : public ChatTest {
  protected:
    void type(const QString& text) {
        input().setText(text);
        QTest::keyClick(&input(), Qt::Key_Return);
    }
    QLineEdit& input() { return *chat.area().mychat; }
};

TEST_F(SendingTest, ChatMeAndOtherSlashInput) {
    setSeat(3);
    type(QStringLiteral("hello + there"));
    type(QStringLiteral("/me waves"));
    type(QStringLiteral("/me"));
    type(QStringLiteral("/mex"));
    type(QStringLiteral("/quit now"));
    type(QString());
    EXPECT_EQ(sent,
              (std::vector<std::string>{
                  "CMD_chat+3+hello + there|clBlack" + kEnd, "CMD_action+3+waves|clBlack" + kEnd,
                  "CMD_action+3+|clBlack" + kEnd, "CMD_action+3+|clBlack" + kEnd}));
    EXPECT_TRUE(input().text().isEmpty());
}

TEST_F(SendingTest, NothingGoesOutBeforeTheSeatIsKnown) {
    setConnected(false);
    type(QStringLiteral("too early"));
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(input().text(), QStringLiteral("too early"));
}

TEST_F(SendingTest, ThePlaceholderGoesOnTheFirstKey) {
    EXPECT_EQ(input().text(), kPlaceholder);
    QTest::keyClick(&input(), Qt::Key_Return);  // Enter on the placeholder sends nothing
    EXPECT_TRUE(sent.empty());
    input().setText(kPlaceholder);
    QTest::keyClicks(&input(), QStringLiteral("ok"));
    EXPECT_EQ(input().text(), QStringLiteral("ok"));
}

TEST_F(SendingTest, SmileyMenuAndPasteAppendToTheInput) {
    ASSERT_EQ(chat.area().popup_smilies->actions().size(), 18);
    EXPECT_EQ(chat.area().popup_smilies->actions().last()->text(), QStringLiteral(":)#27"));
    EXPECT_EQ(chat.area().popup_smilies->actions().last()->objectName(), QStringLiteral("N271"));
    chat.area().popup_smilies->actions()[12]->trigger();
    EXPECT_EQ(input().text(), QStringLiteral(":)#22"));
    EXPECT_EQ(input().cursorPosition(), 5);
    QApplication::clipboard()->setText(QStringLiteral(" pasted"));
    input().setCursorPosition(0);
    chat.area().Paste1->trigger();
    EXPECT_EQ(input().text(), QStringLiteral(":)#22 pasted"));
    EXPECT_EQ(input().cursorPosition(), input().text().size());
    QTest::keyClick(&input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input().text(), QStringLiteral(":)#22 pasted pasted"));
}

TEST_F(SendingTest, TheChosenColourTravelsWithEveryLineAndIsSaved) {
    picked = std::nullopt;
    chat.area().chooseTextColour();  // cancelled
    EXPECT_EQ(saves, 0);
    picked = QColor(0, 128, 0);
    chat.area().chooseTextColour();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(chat.area().chosenColourText(), QStringLiteral("clGreen"));
    EXPECT_EQ(input().palette().color(QPalette::Text), QColor(0, 128, 0));
    picked = QColor(1, 2, 3);
    chat.area().chooseTextColour();
    type(QStringLiteral("hi"));
    EXPECT_EQ(sent.back(), "CMD_chat+1+hi|$00030201" + kEnd);
    chat.area().setChosenColourText(QStringLiteral("not a colour"));
    EXPECT_EQ(chat.area().chosenColourText(), QStringLiteral("clBlack"));
}

}  // namespace
}  // namespace hexaline::chat
