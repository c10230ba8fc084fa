// SPDX-License-Identifier: GPL-3.0-or-later
// The game start dialog: spin ranges and steps, the message it sends, and what follows a start.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <string>
#include <vector>

#include "text/settings/preference_store.h"
#include "windows/gamestart_form.h"

using hexaline::windows::GameStartForm;
using hexaline::windows::UpDownSpin;

namespace {

// Clicks the up or down arrow of a spin box the way a user does.
void clickArrow(UpDownSpin* spin, bool up) {
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    option.buttonSymbols = spin->buttonSymbols();
    option.frame = spin->hasFrame();
    const QRect arrow = spin->style()->subControlRect(
        QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, spin);
    QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, arrow.center());
}

std::vector<int> stepsUp(UpDownSpin* spin) {
    std::vector<int> seen{spin->value()};
    for (int i = 0; i < 40; ++i) {
        clickArrow(spin, true);
        if (spin->value() == seen.back()) {
            break;
        }
        seen.push_back(spin->value());
    }
    return seen;
}

class GameStartFormTest : public ::testing::Test {
  protected:
    GameStartFormTest() {
        form.setStartHandler([this](int playTo, int seconds) {
            sent.push_back(std::to_string(playTo) + "+" + std::to_string(seconds));
            events.push_back(form.isVisible() ? "send while shown" : "send while hidden");
        });
        form.setSaveHandler([this] {
            events.push_back(form.isVisible() ? "save while shown" : "save while hidden");
        });
    }

    GameStartForm form;
    std::vector<std::string> sent;
    std::vector<std::string> events;
};

}  // namespace

TEST_F(GameStartFormTest, OpensWithItsCaptionSizeTextsAndInitialValues) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Hexaline - Game Start"));
    EXPECT_EQ(form.size(), QSize(257, 152));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.playToLabel->text(), QStringLiteral("Play to Score:"));
    EXPECT_EQ(form.turnTimeLabel->text(), QStringLiteral("Time Per Turn:"));
    EXPECT_EQ(form.edit_playtoscore->text(), QStringLiteral("500"));
    EXPECT_EQ(form.edit_creationtime->text(), QStringLiteral("60"));
    EXPECT_FALSE(form.isModal());
}

TEST_F(GameStartFormTest, PlayToSpinStepsByHundredAndStopsAtBothEnds) {
    form.show();
    form.setPlayToScore(700);
    EXPECT_EQ(stepsUp(form.playToSpin), (std::vector<int>{700, 800, 900, 1000}));
    clickArrow(form.playToSpin, true);
    EXPECT_EQ(form.edit_playtoscore->text(), QStringLiteral("1000"));  // no wrap, no separator
    form.setPlayToScore(100);
    clickArrow(form.playToSpin, false);
    EXPECT_EQ(form.edit_playtoscore->text(), QStringLiteral("0"));
    clickArrow(form.playToSpin, false);
    EXPECT_EQ(form.playToScore(), 0);
}

TEST_F(GameStartFormTest, TurnTimeSpinRunsFromThirtyToHundredTwentyInFives) {
    form.show();
    form.setTimePerTurn(30);
    clickArrow(form.turnTimeSpin, false);
    EXPECT_EQ(form.timePerTurn(), 30);
    std::vector<int> expected;
    for (int t = 30; t <= 120; t += 5) {
        expected.push_back(t);
    }
    EXPECT_EQ(stepsUp(form.turnTimeSpin), expected);
    EXPECT_EQ(form.edit_creationtime->text(), QStringLiteral("120"));
}

TEST_F(GameStartFormTest, TypingIntoTheEditsChangesNothingButArrowKeysStep) {
    form.show();
    QTest::keyClicks(form.edit_playtoscore, QStringLiteral("9"));
    EXPECT_EQ(form.edit_playtoscore->text(), QStringLiteral("500"));
    QTest::keyClick(form.playToSpin, Qt::Key_Up);
    EXPECT_EQ(form.playToScore(), 600);
}

TEST_F(GameStartFormTest, RestoredPositionsOutsideTheRangeClampToTheNearerEnd) {
    form.setPlayToScore(5000);
    EXPECT_EQ(form.playToScore(), 1000);
    form.setPlayToScore(-3);
    EXPECT_EQ(form.playToScore(), 0);
    form.setTimePerTurn(10);
    EXPECT_EQ(form.timePerTurn(), 30);
    form.setTimePerTurn(999);
    EXPECT_EQ(form.edit_creationtime->text(), QStringLiteral("120"));
    // A play-to score between two steps (a fresh profile stores 30) goes to the nearer step,
    // so the arrows step through their own values from it.
    form.setPlayToScore(30);
    EXPECT_EQ(form.playToScore(), 0);
    form.setPlayToScore(250);
    EXPECT_EQ(form.playToScore(), 300);
    form.setPlayToScore(949);
    EXPECT_EQ(form.playToScore(), 900);
}

TEST_F(GameStartFormTest, StartSendsTheExactMessageThenHidesThenSaves) {
    form.show();
    QTest::mouseClick(form.button_start, Qt::LeftButton);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], "500+60");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"send while shown", "save while hidden"}));
}

TEST_F(GameStartFormTest, StartSendsTheChosenValuesAndSavesEvenWhenNothingChanged) {
    form.setPlayToScore(0);
    form.setTimePerTurn(125);
    form.show();
    form.startGame();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], "0+120");
    form.show();
    form.startGame();
    EXPECT_EQ(sent.size(), 2u);
    EXPECT_EQ(std::count(events.begin(), events.end(), "save while hidden"), 2);
}

TEST_F(GameStartFormTest, ClosingStartsNothingAndStartHandsOverTheChoice) {
    form.show();
    form.close();
    EXPECT_TRUE(sent.empty());
    form.show();
    form.startGame();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], "500+60");
    EXPECT_FALSE(form.isVisible());
}

TEST_F(GameStartFormTest, ShowsCentredOnTheMainWindowWithoutBlockingIt) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 767, 529);
    mainWindow.show();
    form.showOver(&mainWindow);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const QPoint formCentre = form.geometry().center();
    const QPoint mainCentre = mainWindow.frameGeometry().center();
    EXPECT_LE((formCentre - mainCentre).manhattanLength(), 4);
}

// A keyboard player reaches both numbers and START with Tab, starts with Enter, Space on START
// or Ctrl+S, and closes the dialog with Esc.
TEST_F(GameStartFormTest, TheKeyboardAloneStartsAndCloses) {
    form.showOver(nullptr);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(form.button_start->hasFocus());
    QTest::keyClick(form.button_start, Qt::Key_Tab);
    EXPECT_TRUE(form.playToSpin->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(form.playToScore(), 400);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form.turnTimeSpin->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(form.timePerTurn(), 65);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Enter from a number
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], "400+65");
    EXPECT_FALSE(form.isVisible());

    form.showOver(nullptr);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.button_start, Qt::Key_Space);
    EXPECT_EQ(sent.size(), 2u);
    form.showOver(nullptr);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(sent.size(), 3u);

    form.showOver(nullptr);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(sent.size(), 3u);
}

// The spins show the preferences they are given, and a user's step writes into them; the start
// hands over what the preferences hold.
TEST_F(GameStartFormTest, SpinsShowAndWriteThePreferences) {
    hexaline::settings::PreferenceStore prefs;
    hexaline::settings::LoadResult stored;
    stored.playToScore = 249;
    stored.timePerTurn = 95;
    prefs.load(stored);
    form.showPreferences(prefs);
    EXPECT_EQ(form.edit_playtoscore->text(), QStringLiteral("200"));
    EXPECT_EQ(form.edit_creationtime->text(), QStringLiteral("95"));
    EXPECT_EQ(prefs.playToScore(), 200);  // what the spin shows is what is kept

    form.show();
    QSignalSpy changed(&prefs, &hexaline::settings::PreferenceStore::changed);
    clickArrow(form.playToSpin, true);
    clickArrow(form.turnTimeSpin, false);
    EXPECT_EQ(prefs.playToScore(), 300);
    EXPECT_EQ(prefs.timePerTurn(), 90);
    EXPECT_EQ(changed.size(), 2);
    prefs.setTimePerTurn(40);  // changed elsewhere: the spin follows
    EXPECT_EQ(form.edit_creationtime->text(), QStringLiteral("40"));
    form.startGame();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], "300+40");

    // Preferences that go away leave the dialog its own values, still usable.
    {
        hexaline::settings::PreferenceStore passing;
        form.showPreferences(passing);
        passing.setPlayToScore(700);
        EXPECT_EQ(form.playToScore(), 700);
    }
    EXPECT_EQ(form.playToScore(), 500);
    clickArrow(form.playToSpin, true);
    EXPECT_EQ(form.playToScore(), 600);
    EXPECT_EQ(prefs.playToScore(), 300);  // no longer shown here
}
