// SPDX-License-Identifier: GPL-3.0-or-later
// Playing with friends from the window: one window hosts from "Host a Game…", another finds
// it in "Join a Game…" on the local network (over loopback) and joins with a double-click;
// the host then leaves for another game over IPv6; failures read as sentences.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <climits>
#include <memory>

#include "app/game_client.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "app/table_sessions.h"
#include "engine/players/player.h"
#include "host/host_service.h"
#include "protocol/builder.h"
#include "support/free_port.h"
#include "support/player_copy.h"
#include "support/raw_client.h"
#include "table/table_panel.h"
#include "text/settings/settings_location.h"
#include "windows/connect/connect_settings.h"
#include "windows/gamestart_form.h"

using namespace hexaline;
using support::freeTcpPort;
using support::freeUdpPort;
using support::Player;

namespace {

constexpr int kTimeoutMs = 10000;

// Every test's announcements go to loopback, on a port of its own.
class ConnectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("HEXALINE_ANNOUNCE_ADDRESS", "127.0.0.1");
        qputenv("HEXALINE_ANNOUNCE_PORT", QByteArray::number(freeUdpPort()));
        ini = dir.filePath("orviklobby.ini");
        settings::setSettingsFilePath(ini);
    }
    void TearDown() override { settings::setSettingsFilePath(QString()); }

    QTemporaryDir dir;
    QString ini;
};

TEST_F(ConnectTest, HostThenJoinFromTheNetworkListThenTheHostLeavesForAnIPv6Game) {
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[other]\r\nkey = kept as it is\r\n");
    }
    // Ann plays solo, then hosts from the File menu.
    Player ann({}, ini);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(1) == "You"; }, kTimeoutMs));
    EXPECT_FALSE(ann.sessions.announcing());  // a solo game is never announced
    ann.window.findChild<QAction*>("HostaGame1")->trigger();
    auto* hostDialog = qobject_cast<QDialog*>(ann.sessions.openDialog());
    ASSERT_NE(hostDialog, nullptr);
    EXPECT_TRUE(hostDialog->findChild<QCheckBox*>("check_announce")->isChecked());
    const quint16 port = freeTcpPort();
    hostDialog->findChild<QLineEdit*>("edit_name")->setText("Ann");
    hostDialog->findChild<QSpinBox*>("spin_port")->setValue(port);
    QTest::mouseClick(hostDialog->findChild<QPushButton*>("button_host"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(1) == "Ann"; }, kTimeoutMs));
    EXPECT_TRUE(ann.window.ishost());
    EXPECT_TRUE(ann.sessions.announcing());

    // Bob's window hears the game and joins it with a double-click.
    Player bob({"Bob"}, ini);
    bob.window.findChild<QAction*>("JoinaGame1")->trigger();
    auto* joinDialog = qobject_cast<QDialog*>(bob.sessions.openDialog());
    ASSERT_NE(joinDialog, nullptr);
    auto* found = joinDialog->findChild<QTreeWidget*>("list_games");
    ASSERT_TRUE(QTest::qWaitFor([&] { return found->topLevelItemCount() == 1; }, kTimeoutMs));
    EXPECT_EQ(found->topLevelItem(0)->text(0), "Ann");
    EXPECT_EQ(found->topLevelItem(0)->text(1), "1 of 4");
    joinDialog->findChild<QLineEdit*>("edit_name")->setText("Bob");
    const QRect row = found->visualItemRect(found->topLevelItem(0));
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(found->viewport(), Qt::LeftButton, {}, row.center());

    // Both windows show the two seats.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return bob.seatName(1) == "Ann" && bob.seatName(2) == "Bob"; }, kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(2) == "Bob"; }, kTimeoutMs));
    EXPECT_FALSE(bob.window.ishost());

    // The settings file remembers the fields in a section of their own; others stay.
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.startsWith("[other]\r\nkey = kept as it is\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("[hexaline]"));
    EXPECT_TRUE(saved.contains("name=Bob"));
    EXPECT_TRUE(saved.contains("recent1=127.0.0.1"));
    EXPECT_TRUE(saved.contains("port=" + QByteArray::number(port)));

    // Ann leaves for a game hosted elsewhere. With Bob seated she is asked first; "stay" keeps
    // her table as it is.
    app::HostSide elsewhere;
    ASSERT_TRUE(elsewhere.startListening(0));
    int asked = 0;
    ann.sessions.confirmLeave = [&](int others) {
        ++asked;
        EXPECT_EQ(others, 1);
        return false;
    };
    EXPECT_FALSE(ann.sessions.joinGame("Ann", "[::1]", elsewhere.link().port()));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(ann.window.ishost());
    EXPECT_EQ(ann.seatName(2), "Bob");

    // Going on ends the hosted game: Bob's window loses its host, stays open and says so, and
    // Ann joins the other game over IPv6.
    ann.sessions.confirmLeave = [&](int) { return true; };
    QSignalSpy bobClosed(&bob.window, &app::MainWindow::closed);
    ASSERT_TRUE(ann.sessions.joinGame("Ann", "::1", elsewhere.link().port()));
    EXPECT_FALSE(ann.window.ishost());
    EXPECT_FALSE(ann.sessions.announcing());
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.panel().label_status->text() == app::kHostEnded; },
                                kTimeoutMs));
    EXPECT_TRUE(bobClosed.isEmpty());
    EXPECT_TRUE(bob.window.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(1) == "Ann"; }, kTimeoutMs));
    const auto& game = elsewhere.service().session().game();
    EXPECT_TRUE(game.seats[1].connected);
    EXPECT_EQ(game.seats[1].name, "Ann");
}

TEST_F(ConnectTest, FailuresReadAsSentencesAndLeaveAnUnconnectedTable) {
    Player ann({"Ann"}, ini);
    QSignalSpy failed(&ann.sessions, &app::TableSessions::sessionFailed);

    // A port in use.
    QTcpServer busy;
    ASSERT_TRUE(busy.listen(QHostAddress::Any, 0));
    ann.sessions.hostGame("Ann", busy.serverPort(), false);
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().contains("is already in use"));
    EXPECT_FALSE(ann.window.ishost());

    // Nobody hosts there.
    const quint16 nobody = freeTcpPort();
    ann.sessions.joinGame("Ann", "127.0.0.1", nobody);
    ASSERT_TRUE(failed.size() == 2 || failed.wait(kTimeoutMs));
    EXPECT_TRUE(failed.at(1).at(0).toString().contains("refused the connection"))
        << failed.at(1).at(0).toString().toStdString();

    // A host that takes the connection but never answers: the attempt gives up.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    ann.sessions.joinGame("Ann", "127.0.0.1", silent.serverPort());
    ASSERT_TRUE(failed.size() == 3 ||
                failed.wait(app::TableSessions::kConnectTimeoutMs + kTimeoutMs));
    EXPECT_TRUE(failed.at(2).at(0).toString().startsWith("No answer from 127.0.0.1"));

    // A name that cannot be found.
    ann.sessions.joinGame("Ann", "no-such-host.invalid", 7772);
    ASSERT_TRUE(failed.size() == 4 || failed.wait(30000));
    EXPECT_TRUE(failed.at(3).at(0).toString().contains("could not be found"));

    // After all that the window can still host.
    ASSERT_TRUE(ann.sessions.hostGame("Ann", 0, false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(1) == "Ann"; }, kTimeoutMs));
    EXPECT_EQ(failed.size(), 4);
    EXPECT_FALSE(ann.sessions.announcing());  // the check box was off
}

TEST_F(ConnectTest, ComputerStrengthIsTheHostsChoiceAndIsKept) {
    Player ann({}, ini);  // a solo game: this window hosts
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(1) == "You"; }, kTimeoutMs));
    auto* strength = ann.window.findChild<QMenu*>("ComputerStrength1");
    ASSERT_NE(strength, nullptr);
    EXPECT_TRUE(strength->isEnabled());
    EXPECT_EQ(ann.sessions.host().service().session().game().botlevel(), engine::BotLevel::Normal);
    ann.window.findChild<QAction*>("StrongStrength1")->trigger();
    EXPECT_EQ(ann.sessions.host().service().session().game().botlevel(), engine::BotLevel::Strong);
    EXPECT_EQ(windows::loadConnectSettings(ini).strength, "strong");

    // A player who joins cannot choose.
    ASSERT_TRUE(ann.sessions.hostGame("Ann", 0, false));
    EXPECT_EQ(ann.sessions.host().service().session().game().botlevel(), engine::BotLevel::Strong);
    Player bob({}, ini);
    ASSERT_TRUE(bob.sessions.joinGame("Bob", "127.0.0.1", ann.sessions.host().link().port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.seatName(2) == "Bob"; }, kTimeoutMs));
    EXPECT_FALSE(bob.window.findChild<QMenu*>("ComputerStrength1")->isEnabled());
    // The next start remembers the choice.
    EXPECT_TRUE(bob.window.findChild<QAction*>("StrongStrength1")->isChecked());
}

}  // namespace

namespace {

// A window whose connection dropped joins the game again: the host moves it from the seat it
// was first offered to its own, and the window shows its own hand.
TEST_F(ConnectTest, AWindowThatDroppedOutComesBackToItsOwnSeat) {
    engine::Random random(5);
    session::HostService::Options options;
    options.secondMs = INT_MAX;  // no turn ends while the test looks
    options.botSpeed = [] { return INT_MAX; };
    session::HostService host(random, options);
    ASSERT_TRUE(host.listen(0));
    const auto& game = host.session().game();
    support::RawClient ann("Ann");
    support::RawClient bob("Bob");
    for (support::RawClient* c : {&ann, &bob}) {
        c->connectTo(host.port());
        ASSERT_TRUE(c->waitSeated());
    }
    auto cid = std::make_unique<Player>(QStringList{}, ini);
    ASSERT_TRUE(cid->sessions.joinGame("Cid", "127.0.0.1", host.port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.seats[3].name == "Cid"; }, kTimeoutMs));
    ann.send(protocol::build(protocol::Msg::StartGame, {"Ann", "500", "60"}));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return cid->sessions.client().model().dealt(); }, kTimeoutMs));

    // Cid's window goes, and Bob's connection: seat 2 is the lowest free seat.
    cid.reset();
    bob.drop();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !game.seats[2].connected && !game.seats[3].connected; }, kTimeoutMs));
    ann.forget();

    Player back({}, ini);
    ASSERT_TRUE(back.sessions.joinGame("Cid", "127.0.0.1", host.port()));
    const client::GameModel& model = back.sessions.client().model();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.myseat() == 3 && model.dealt(); }, kTimeoutMs));
    for (int slot = 1; slot <= engine::kHandSlots; ++slot)
        EXPECT_EQ(model.handTile(slot), game.seats[3].hand[slot]) << slot;
    EXPECT_EQ(back.seatName(1), "Ann");
    EXPECT_FALSE(game.seats[2].connected);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.has(protocol::Msg::NewPlayerInfo); }, kTimeoutMs));
    for (const std::string& m : ann.of(protocol::Msg::NewPlayerInfo))
        EXPECT_EQ(m, "CMD_newplayerinfo+3+Cid+0");
}

}  // namespace
