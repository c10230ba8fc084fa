// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real table panel and game table, fed with host messages through a dispatcher, with every
// outward hook recorded.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>

#include "art/picture_button.h"
#include "protocol/builder.h"
#include "protocol/dispatcher.h"
#include "table/board_view.h"
#include "table/game_table.h"
#include "table/hand_image.h"
#include "table/picture_widget.h"
#include "table/table_panel.h"

namespace hexaline::table {

using protocol::Msg;
using protocol::Values;

class TableTest : public ::testing::Test {
  protected:
    TableTest() {
        table.install(dispatcher);
        auto shown = table.hooks.addlinetochat;
        table.hooks.addlinetochat = [this, shown](const QString& line, std::uint32_t colour) {
            chat << line;
            EXPECT_EQ(colour, kSystemColour);
            shown(line, colour);
        };
        table.hooks.send = [this](const std::string& message) { sent.push_back(message); };
        table.hooks.isconnected = [this] { return connected; };
        table.hooks.playsounds = [this](const QString& name) { sounds << name; };
        table.hooks.addgame = [this](const QString& winner) { games << winner; };
        table.hooks.showGameStart = [this] { ++dialogs; };
        table.hooks.showMessage = [this](const QString& text) { messages << text; };
        table.hooks.turnSoundTag = [this] { return turnSound; };
        table.model().setMyseat(1);
        table.model().seatTaken(1, "Ann");
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    protocol::Dispatcher::Result feed(Msg id, const Values& head = {},
                                      const std::vector<Values>& groups = {}) {
        std::string message = protocol::build(id, head, groups);
        message.pop_back();  // the queue hands messages over without their terminator
        return dispatcher.dispatch(message);
    }

    // The user's turn on seat 1 with a dealt hand (tile codes 1..6 in slots 1..6).
    void startMyTurn() {
        feed(Msg::GameStarted, {"Ann", "0", "30"});
        feed(Msg::MyTiles, {1}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}});
        feed(Msg::NextPlayer, {1, "t", 90});
        sounds.clear();
    }

    void settle() { QCoreApplication::processEvents(); }

    QLabel* label(const char* name) { return panel.findChild<QLabel*>(QString::fromLatin1(name)); }
    QString status() { return panel.label_status->text(); }
    HandImage* hand(int slot) { return panel.tileImage(slot); }

    TablePanel panel;
    GameTable table{panel};
    protocol::Dispatcher dispatcher{protocol::Direction::ToClient};

    std::vector<std::string> sent;
    bool connected = true;
    QStringList sounds;
    QStringList chat;
    QStringList games;
    QStringList messages;
    int dialogs = 0;
    int turnSound = 0;
};

}  // namespace hexaline::table
