// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real table panel showing a real client core, fed with host messages through the core's
// dispatcher, with everything the client asks of its surroundings recorded.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>

#include "art/picture_button.h"
#include "client/client_core.h"
#include "protocol/builder.h"
#include "protocol/dispatcher.h"
#include "protocol/system_colour.h"
#include "table/board_view.h"
#include "table/game_table.h"
#include "table/hand_image.h"
#include "table/picture_widget.h"
#include "table/table_panel.h"

namespace hexaline::table {

using protocol::kSystemColour;
using protocol::Msg;
using protocol::Values;

// The services as lists a test compares at a glance.
class TableServices : public client::ClientServices {
  public:
    std::vector<std::string> sent;
    QStringList sounds, games, messages;
    int dialogs = 0;

    std::string loginname() const override { return "Ann"; }
    bool hostsGame() const override { return false; }
    void send(const std::string& message) override { sent.push_back(message); }
    void playsounds(const std::string& name) override { sounds << QString::fromStdString(name); }
    void addgame(const std::string& winner) override { games << QString::fromStdString(winner); }
    void showMessage(const std::string& text) override { messages << QString::fromStdString(text); }
    void showMessageAndWait(const std::string& text) override { showMessage(text); }
    void loadinifile() override {}
    void showGameStart() override { ++dialogs; }
    void connectionEnded(bool) override {}
    void closeWindow() override {}
};

class TableTest : public ::testing::Test {
  protected:
    TableTest() {
        QObject::connect(&model(), &client::GameModel::chatLine,
                         [this](const std::string& line, std::uint32_t colour) {
                             chat << QString::fromStdString(line);
                             EXPECT_EQ(colour, kSystemColour);
                             panel.addlinetochat(QString::fromStdString(line), colour);
                         });
        model().setConnected(true);
        model().setMyseat(1);
        model().seatTaken(1, "Ann");
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    protocol::Dispatcher::Result feed(Msg id, const Values& head = {},
                                      const std::vector<Values>& groups = {}) {
        std::string message = protocol::build(id, head, groups);
        message.pop_back();  // the queue hands messages over without their terminator
        return core.dispatch(message);
    }

    // The user's turn on seat 1 with a dealt hand (tile codes 1..6 in slots 1..6).
    void startMyTurn() {
        feed(Msg::GameStarted, {"Ann", "0", "30"});
        feed(Msg::MyTiles, {1}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}});
        feed(Msg::NextPlayer, {1, "t", 90});
        sounds.clear();
    }

    void settle() { QCoreApplication::processEvents(); }

    client::GameModel& model() { return core.model(); }
    client::TurnInput& turn() { return core.turn(); }
    void setConnected(bool on) { model().setConnected(on); }
    bool clockRunning() { return core.events().clockRunning(); }
    QLabel* label(const char* name) { return panel.findChild<QLabel*>(QString::fromLatin1(name)); }
    QString status() { return panel.label_status->text(); }
    HandImage* hand(int slot) { return panel.tileImage(slot); }

    TableServices services;
    client::ClientCore core{services};
    TablePanel panel;
    GameTable table{panel, core};

    std::vector<std::string>& sent = services.sent;
    QStringList& sounds = services.sounds;
    QStringList chat;
    QStringList& games = services.games;
    QStringList& messages = services.messages;
    int& dialogs = services.dialogs;
};

}  // namespace hexaline::table
