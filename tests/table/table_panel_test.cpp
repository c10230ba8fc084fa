// SPDX-License-Identifier: GPL-3.0-or-later
// The table panel's controls at start and the seat view setters.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>

#include "table_fixture.h"

namespace hexaline::table {
namespace {

using PanelTest = TableTest;

TEST_F(PanelTest, ControlsStartAtTheirPlaces) {
    struct Expected {
        const char* name;
        QRect geometry;
    };
    const Expected fixed[] = {
        {"panel_boardframe", {8, 17, 442, 442}},  {"board", {5, 5, 432, 432}},
        {"button_start", {157, 194, 120, 30}},    {"panel_winner", {16, 168, 425, 41}},
        {"image_tile1", {101, 468, 36, 36}},      {"image_tile6", {317, 468, 36, 36}},
        {"button_clear", {13, 470, 64, 30}},      {"button_finish", {381, 470, 62, 30}},
        {"label_status", {88, 509, 281, 16}},     {"image_logo", {488, 8, 249, 26}},
        {"image_Turn", {514, 47, 101, 16}},       {"image_eyes4", {496, 118, 23, 10}},
        {"image_notplaying2", {612, 72, 99, 14}}, {"image_clockframe", {457, 155, 248, 30}},
        {"image_timer", {459, 157, 244, 26}},     {"label_timer", {463, 161, 87, 19}},
        {"button_pass", {707, 155, 53, 30}},      {"b_phrase1", {474, 194, 25, 19}},
        {"b_phrase10", {715, 194, 25, 19}},       {"panel_chat", {458, 216, 299, 282}},
        {"mainchat", {2, 2, 295, 279}},           {"mychat", {458, 500, 269, 22}},
        {"button_smilies", {730, 501, 25, 19}},
    };
    for (const Expected& e : fixed) {
        auto* widget = panel.findChild<QWidget*>(QString::fromLatin1(e.name));
        ASSERT_NE(widget, nullptr) << e.name;
        EXPECT_EQ(widget->geometry(), e.geometry) << e.name;
    }
    EXPECT_EQ(panel.size(), QSize(764, 526));
    // A name label is 65 wide, or wider where the font needs more for "<Waiting>".
    EXPECT_EQ(panel.playername(3)->pos(), QPoint(518, 94));
    EXPECT_EQ(panel.playername(3)->height(), 16);
    EXPECT_GE(panel.playername(3)->width(), 65);
    EXPECT_EQ(label("label_roundnum")->pos(), QPoint(10, 3));
    EXPECT_EQ(label("label_tilesleft")->pos(), QPoint(375, 512));
    EXPECT_EQ(label("label_timeperturn")->pos(), QPoint(459, 140));
    EXPECT_EQ(label("label_playtoscore")->geometry().topLeft(), QPoint(316, 3));
    EXPECT_EQ(label("label_playtoscore")->width(), 132);
}

TEST_F(PanelTest, NoGameShowsAnEmptyTable) {
    EXPECT_EQ(status(), "Welcome to Hexaline");
    EXPECT_EQ(label("label_roundnum")->text(), "Round: 0 of 0");
    EXPECT_EQ(label("label_playtoscore")->text(), "Play to Score: 0");
    EXPECT_EQ(label("label_tilesleft")->text(), "Tiles Left: 0");
    EXPECT_EQ(label("label_timeperturn")->text(), "Time Per Turn: 0 secs");
    EXPECT_EQ(label("label_timer")->text(), "Time: 0:00");
    for (int seat = 2; seat <= 4; ++seat) {
        EXPECT_EQ(panel.playername(seat)->text(), "<Waiting>");
        EXPECT_EQ(panel.playername(seat)->property("tag").toInt(), seat);
        EXPECT_EQ(panel.score(seat)->text(), "0");
        EXPECT_FALSE(panel.eyes(seat)->isVisible());
        EXPECT_FALSE(panel.notplaying(seat)->isVisible());
    }
    EXPECT_EQ(panel.playername(1)->toolTip(), "");
    EXPECT_EQ(panel.playername(2)->toolTip(), "Klot");
    EXPECT_EQ(panel.playername(3)->toolTip(), "Klick");
    EXPECT_EQ(panel.playername(4)->toolTip(), "Kling");
    EXPECT_FALSE(panel.button_finish->isVisible());
    EXPECT_FALSE(panel.button_clear->isVisible());
    EXPECT_FALSE(panel.button_pass->isVisible());
    EXPECT_FALSE(panel.panel_winner->isVisible());
    EXPECT_TRUE(panel.button_start->isVisible());
    // The hand shows its placeholders, none of which can be picked up.
    const int placeholders[] = {5, 32, 33, 34, 35, 0};
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_TRUE(hand(slot)->isVisible());
        EXPECT_EQ(hand(slot)->tileCode(), 0);
        EXPECT_EQ(hand(slot)->picture(), placeholders[slot - 1]);
    }
    EXPECT_EQ(panel.phrase(9)->toolTip(), "Good Game Everyone!");
    EXPECT_EQ(panel.phrase(10)->toolTip(), "Chatter Sounds");
}

TEST_F(PanelTest, SeatViewSettersAndSignals) {
    panel.setPlayerName(3, QStringLiteral("Bartholomew"));
    panel.placeScoreBesideName(3);
    QLabel* name = panel.playername(3);
    EXPECT_EQ(name->text(), "Bartholomew");
    EXPECT_EQ(panel.score(3)->x(), name->x() + name->width() + 6);
    panel.showEyes(3, true);
    EXPECT_TRUE(panel.eyes(3)->isVisible());

    QSignalSpy phrases(&panel, &TablePanel::phraseClicked);
    QTest::mouseClick(panel.phrase(7), Qt::LeftButton);
    ASSERT_EQ(phrases.count(), 1);
    EXPECT_EQ(phrases.at(0).at(0).toInt(), 7);

    QSignalSpy menus(&panel, &TablePanel::playernameContextMenu);
    emit name->customContextMenuRequested(QPoint(3, 3));
    ASSERT_EQ(menus.count(), 1);
    EXPECT_EQ(menus.at(0).at(0).toInt(), 3);

    panel.addlinetochat(QStringLiteral("0+You are Connected."), kSystemColour);
    panel.addlinetochat(QStringLiteral("2+Bob chats: a+b"), 255);
    EXPECT_EQ(panel.mainchat->toPlainText(), "You are Connected.\nBob chats: a+b");
}

}  // namespace
}  // namespace hexaline::table
