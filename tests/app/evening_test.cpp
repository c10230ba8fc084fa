// SPDX-License-Identifier: GPL-3.0-or-later
// An evening with friends on one machine: a window on seat 1 of a headless host starts the
// game; a host that leaves (File > Exit, a switch of game, a dropped connection) leaves every
// joining window open, told so and able to join again.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/game_client.h"
#include "app/game_marker.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "app/open_link.h"
#include "app/play_with_others.h"
#include "app/side_windows.h"
#include "app/table_sessions.h"
#include "chat/chat.h"
#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "host/host_service.h"
#include "protocol/builder.h"
#include "support/free_port.h"
#include "support/player_copy.h"
#include "table/table_panel.h"
#include "text/settings/load_ini.h"
#include "text/settings/settings_location.h"
#include "windows/about/about_form.h"
#include "windows/gamestart_form.h"
#include "windows/help/help_form.h"
#include "windows/lobby/download_form.h"
#include "windows/spy/spy_list_form.h"
#include "windows/tally/tally_list_form.h"

using namespace hexaline;
using support::Player;

namespace {

constexpr int kTimeoutMs = 10000;

class EveningTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ini = dir.filePath("orviklobby.ini");
        settings::setSettingsFilePath(ini);
    }
    void TearDown() override { settings::setSettingsFilePath(QString()); }

    // Bob's window stays, unconnected, and says what happened in the chat and the status line.
    static void expectToldAndOpen(Player& bob, const char* sentence) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return bob.status() == sentence; }, kTimeoutMs))
            << bob.status().toStdString();
        EXPECT_TRUE(bob.window.isVisible());
        EXPECT_FALSE(bob.seated());
        EXPECT_FALSE(bob.window.startButtonVisible());
        EXPECT_FALSE(bob.panel().button_start->isVisible());
        EXPECT_TRUE(bob.chat().contains(QString::fromLatin1(sentence) +
                                        " Choose File > Join a Game… to join again."))
            << bob.chat().toStdString();
        EXPECT_EQ(bob.seatName(1), "<Waiting>");
    }

    QTemporaryDir dir;
    QString ini;
};

TEST_F(EveningTest, AWindowOnSeatOneOfTheHeadlessHostStartsTheGameAndTheComputerAnswers) {
    engine::Random random(11);
    session::HostService host(random, {});
    host.options().secondMs = 20;
    host.options().botSpeed = [] { return 1; };
    ASSERT_TRUE(host.listen(0));

    Player ann({"Ann"}, ini);
    EXPECT_FALSE(ann.window.startButtonVisible());
    ASSERT_TRUE(ann.sessions.joinGame("Ann", "127.0.0.1", host.port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(1) == "Ann"; }, kTimeoutMs));
    EXPECT_FALSE(ann.window.ishost());  // the game is hosted elsewhere ...
    // ... but seat 1 is the hosting user's: start and removal are offered.
    EXPECT_TRUE(ann.window.startButtonVisible());
    EXPECT_TRUE(ann.window.findChild<QAction*>("StartGame1")->isEnabled());
    EXPECT_TRUE(ann.panel().button_start->isVisible());
    EXPECT_TRUE(ann.sessions.client().core().session().kickMenuFor(2).setToJustWatch);

    // Start Game opens the start dialog; its START sends the game's start to the host.
    ann.window.findChild<QAction*>("StartGame1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.gamestart.isVisible(); }, kTimeoutMs));
    ann.gamestart.setPlayToScore(0);
    QTest::mouseClick(ann.gamestart.button_start, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(2) == "Klot"; }, kTimeoutMs));
    EXPECT_TRUE(ann.sessions.client().core().session().kickMenuFor(2).removeFromGame);

    // The computer answers: once Ann has given up her turn (or it began on seat 2), her turn
    // comes round again only after the computer's move.
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.status() == "Your Turn."; }, kTimeoutMs))
        << ann.status().toStdString();
    ann.sessions.client().core().turn().pass();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.status() != "Your Turn."; }, kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ann.status() == "Your Turn." || ann.panel().panel_winner->isVisible(); },
        kTimeoutMs))
        << ann.status().toStdString();
    // The first play of the game was the computer's: Ann only passed.
    int laid = 0;
    const auto& board = ann.sessions.client().model().board();
    for (int row = 1; row <= client::kBoardLines; ++row) {
        for (int column = 1; column <= client::kBoardLines; ++column)
            laid += board.at(row, column).squarestate == client::kFixed ? 1 : 0;
    }
    EXPECT_GT(laid, 0);
}

TEST_F(EveningTest, TheHostExitsAndTheJoiningWindowStaysAndJoinsAgain) {
    auto ann = std::make_unique<Player>(QStringList{"Ann"}, ini);
    ASSERT_TRUE(ann->sessions.hostGame("Ann", 0, false));
    const std::uint16_t port = ann->sessions.host().link().port();
    Player bob({"Bob"}, ini);
    ASSERT_TRUE(bob.sessions.joinGame("Bob", "127.0.0.1", port));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.seatName(2) == "Bob"; }, kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann->seatName(2) == "Bob"; }, kTimeoutMs));
    EXPECT_FALSE(bob.window.startButtonVisible());  // seat 2 does not start games

    // File > Exit asks first while Bob is seated; "stay" keeps the window and the game.
    int asked = 0;
    ann->sessions.confirmLeave = [&](int others) {
        ++asked;
        EXPECT_EQ(others, 1);
        return false;
    };
    ann->window.findChild<QAction*>("Exit1")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(ann->window.isVisible());
    EXPECT_TRUE(bob.seated());

    // Leaving closes the window; the program ends and its host with it.
    ann->sessions.confirmLeave = [&](int) { return true; };
    QSignalSpy annClosed(&ann->window, &app::MainWindow::closed);
    ann->window.findChild<QAction*>("Exit1")->trigger();
    EXPECT_EQ(annClosed.size(), 1);
    ann.reset();
    expectToldAndOpen(bob, app::kHostEnded);

    // Bob hosts nothing and joins again, by the same name, when a game is hosted there.
    Player carol({"Carol"}, ini);
    ASSERT_TRUE(carol.sessions.hostGame("Carol", 0, false));
    ASSERT_TRUE(bob.sessions.joinGame("Bob", "127.0.0.1", carol.sessions.host().link().port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.seatName(1) == "Carol"; }, kTimeoutMs));
    EXPECT_TRUE(bob.seated());
}

TEST_F(EveningTest, TheHostSwitchesGamesAndTheJoiningWindowStays) {
    Player ann({"Ann"}, ini);
    ASSERT_TRUE(ann.sessions.hostGame("Ann", 0, false));
    Player bob({"Bob"}, ini);
    ASSERT_TRUE(bob.sessions.joinGame("Bob", "127.0.0.1", ann.sessions.host().link().port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(2) == "Bob"; }, kTimeoutMs));

    ann.sessions.confirmLeave = [&](int) { return true; };
    ASSERT_TRUE(ann.sessions.hostGame("Ann", 0, false));
    expectToldAndOpen(bob, app::kHostEnded);

    // The new game takes Bob back.
    ASSERT_TRUE(bob.sessions.joinGame("Bob", "127.0.0.1", ann.sessions.host().link().port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.seatName(2) == "Bob"; }, kTimeoutMs));
    EXPECT_EQ(bob.seatName(1), "Ann");
}

TEST_F(EveningTest, ADroppedHostConnectionLeavesTheWindowOpenToJoinAgain) {
    // A host that seats Bob, then drops the connection with a reset.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QTcpSocket* seen = nullptr;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        seen = server.nextPendingConnection();
        seen->write(QByteArray::fromStdString(protocol::build(protocol::Msg::SendLoginInfo, {2})));
    });
    Player bob({"Bob"}, ini);
    ASSERT_TRUE(bob.sessions.joinGame("Bob", "127.0.0.1", server.serverPort()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen && seen->bytesAvailable() > 0; }, kTimeoutMs));
    ASSERT_TRUE(bob.seated());
    const linger reset{1, 0};
    ASSERT_EQ(::setsockopt(static_cast<int>(seen->socketDescriptor()), SOL_SOCKET, SO_LINGER,
                           &reset, sizeof reset),
              0);
    seen->abort();
    // A reset reads as the host's close on this system; a network error reads as lost. Either
    // way the window stays, says so and joins again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bob.seated(); }, kTimeoutMs));
    expectToldAndOpen(bob, bob.status() == app::kHostLost ? app::kHostLost : app::kHostEnded);
    app::HostSide host;
    ASSERT_TRUE(host.startListening(0));
    ASSERT_TRUE(bob.sessions.joinGame("Bob", "127.0.0.1", host.link().port()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.seatName(1) == "Bob"; }, kTimeoutMs));
}

// Solo games never wait for a port: each listens on loopback only, on 7772 when it is free and
// on another port when it is not (here another program holds it, or the first solo game does).
TEST_F(EveningTest, TwoSoloGamesBesideAProgramOnTheGamePortEachReachTheirTurn) {
    // Another program holds the game port (a port of this test's own, standing for 7772).
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::Any, 0));
    const std::uint16_t taken = other.serverPort();
    // Both at once, as two users of one machine would have them.
    Player first({}, ini, taken);
    Player second({}, ini, taken);
    for (Player* you : {&first, &second}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return you->seatName(1) == "You"; }, kTimeoutMs));
        const std::uint16_t port = you->sessions.host().link().port();
        EXPECT_NE(port, taken);
        // Not on every interface: the other loopback family finds nobody.
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHostIPv6, port);
        EXPECT_FALSE(probe.waitForConnected(kTimeoutMs));
    }
    EXPECT_NE(first.sessions.host().link().port(), second.sessions.host().link().port());
    for (Player* you : {&first, &second}) {
        you->sessions.host().service().options().botSpeed = [] { return 1; };
        you->window.findChild<QAction*>("StartGame1")->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return you->gamestart.isVisible(); }, kTimeoutMs));
        QTest::mouseClick(you->gamestart.button_start, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return you->status() == "Your Turn."; }, kTimeoutMs))
            << you->status().toStdString();
    }
}

// The game marker is each user's, in the runtime folder: one per folder.
TEST(GameMarker, EachRuntimeFolderHoldsItsOwn) {
    QTemporaryDir annRuntime;
    QTemporaryDir bobRuntime;
    const app::GameMarker ann(annRuntime.path());
    const app::GameMarker bob(bobRuntime.path());
    EXPECT_TRUE(ann.isHeld());
    EXPECT_TRUE(bob.isHeld());
    const app::GameMarker second(annRuntime.path());
    EXPECT_FALSE(second.isHeld());
}

// "Play with Others" without a lobby program leads to the game's own hosting and joining.
TEST_F(EveningTest, PlayWithOthersOffersHostingAndJoining) {
    Player ann({"Ann"}, ini);
    QMessageBox* box = app::offerPlayWithOthers(ann.window);
    QTest::mouseClick(box->findChild<QPushButton*>("button_join_game"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.sessions.openDialog() != nullptr; }, kTimeoutMs));
    EXPECT_EQ(ann.sessions.openDialog()->objectName(), "joinform");
    qobject_cast<QDialog*>(ann.sessions.openDialog())->reject();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.sessions.openDialog() == nullptr; }, kTimeoutMs));

    box = app::offerPlayWithOthers(ann.window);
    QTest::mouseClick(box->findChild<QPushButton*>("button_host_game"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ann.sessions.openDialog() != nullptr; }, kTimeoutMs));
    EXPECT_EQ(ann.sessions.openDialog()->objectName(), "hostform");
}

// A window that never loaded the settings (its join failed) and is closed with File > Exit keeps
// every stored preference; only what its user changed is written.
TEST_F(EveningTest, SettingsAreKeptThroughAFailedJoinAndExit) {
    const QByteArray stored =
        "[other]\r\nkey = kept as it is\r\n"
        "[agame]\r\nTextsize=14\r\nTop=40\r\nLeft=50\r\nWidth=800\r\nHeight=560\r\n"
        "Textcolor=clRed\r\nPlaytoscore=300\r\nTimeperturn=90\r\nBotspeed=2000\r\n"
        "Turnsound=1\r\nPlayerphrasesounds=false\r\nPlaysounds=false\r\nHelp=2\r\n";
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(stored);
    }
    Player bob({"Bob"}, ini);
    QSignalSpy failed(&bob.sessions, &app::TableSessions::sessionFailed);
    const quint16 nobody = support::freeTcpPort(QHostAddress::LocalHost);
    ASSERT_NE(nobody, 0);
    bob.sessions.joinGame("Bob", "127.0.0.1", nobody);
    ASSERT_TRUE(failed.size() == 1 || failed.wait(kTimeoutMs));
    bob.window.findChild<QAction*>("Exit1")->trigger();
    EXPECT_FALSE(bob.window.isVisible());
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const settings::LoadResult kept = settings::readinifile(ini);
    EXPECT_EQ(kept.textSize, 14);
    EXPECT_EQ(kept.textColor, "clRed");
    EXPECT_EQ(kept.playToScore, 300);
    EXPECT_EQ(kept.timePerTurn, 90);
    EXPECT_EQ(kept.botSpeedMs, 2000);
    EXPECT_EQ(kept.turnSound, 1);
    EXPECT_FALSE(kept.playSounds);
    EXPECT_FALSE(kept.playerPhraseSounds);
    EXPECT_EQ(kept.bounds, (settings::WindowBounds{50, 40, 800, 560}));
    EXPECT_TRUE(file.readAll().startsWith("[other]\r\nkey = kept as it is\r\n"));

    // What the user does change in such a window is written, over what was kept.
    Player again({"Bob"}, ini);
    again.window.findChild<QAction*>("Fast1")->trigger();
    const settings::LoadResult changed = settings::readinifile(ini);
    EXPECT_EQ(changed.botSpeedMs, settings::kBotSpeedFast);
    EXPECT_EQ(changed.textSize, 14);
    EXPECT_FALSE(changed.playSounds);
}

// A failed join to one port never becomes the next host's port, and the join dialog offers the
// port last joined.
TEST_F(EveningTest, HostAndJoinDialogsRememberTheirPortsApart) {
    Player bob({"Bob"}, ini);
    QSignalSpy failed(&bob.sessions, &app::TableSessions::sessionFailed);
    const quint16 nobody = support::freeTcpPort(QHostAddress::LocalHost);
    ASSERT_NE(nobody, 0);
    bob.window.findChild<QAction*>("JoinaGame1")->trigger();
    auto* join = qobject_cast<QDialog*>(bob.sessions.openDialog());
    ASSERT_NE(join, nullptr);
    join->findChild<QLineEdit*>("edit_name")->setText("Bob");
    join->findChild<QComboBox*>("combo_address")->setEditText("127.0.0.1");
    join->findChild<QSpinBox*>("spin_port")->setValue(nobody);
    QTest::keyClick(join->findChild<QLineEdit*>("edit_name"), Qt::Key_Return);  // Enter joins
    ASSERT_TRUE(failed.size() == 1 || failed.wait(kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.sessions.openDialog() == nullptr; }, kTimeoutMs));

    bob.window.findChild<QAction*>("HostaGame1")->trigger();
    auto* host = qobject_cast<QDialog*>(bob.sessions.openDialog());
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->findChild<QSpinBox*>("spin_port")->value(), 7772);
    QTest::keyClick(host->findChild<QLineEdit*>("edit_name"), Qt::Key_Escape);  // Esc closes
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.sessions.openDialog() == nullptr; }, kTimeoutMs));

    bob.window.findChild<QAction*>("JoinaGame1")->trigger();
    join = qobject_cast<QDialog*>(bob.sessions.openDialog());
    ASSERT_NE(join, nullptr);
    EXPECT_EQ(join->findChild<QSpinBox*>("spin_port")->value(), nobody);
}

// A link the desktop cannot open is told, whether no launcher starts or the launcher fails.
TEST_F(EveningTest, ALinkTheDesktopCannotOpenIsTold) {
    const QUrl url(QStringLiteral("https://hexaline.example.org/"));
    QObject context;
    QStringList told;
    for (const char* launcher : {"false", "/nonexistent/launcher"}) {
        app::setLinkLauncher(QString::fromLatin1(launcher));
        app::openLink(url, &context, [&](const QString& sentence) { told << sentence; });
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.size() == 2; }, kTimeoutMs));
    EXPECT_EQ(told.at(0), app::linkFailure(url));
    EXPECT_TRUE(told.at(0).contains("https://hexaline.example.org/"));

    // A link in the chat: the window shows the sentence.
    app::setLinkLauncher(QStringLiteral("false"));
    Player ann({"Ann"}, ini);
    EXPECT_TRUE(ann.sessions.client().chat().hooks.openUrl(url));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (auto* box : ann.window.findChildren<QMessageBox*>()) {
                if (box->text() == app::linkFailure(url))
                    return true;
            }
            return false;
        },
        kTimeoutMs));
    app::setLinkLauncher(QStringLiteral("xdg-open"));
}

// Every side window closes with Esc, from the keyboard alone.
TEST_F(EveningTest, EscClosesEverySideWindow) {
    app::MainWindow window({.arguments = {"Ann"}, .port = 0, .lobbyPort = 0});
    about::AboutForm about(&window);
    lobby::DownloadForm download(&window);
    help::HelpForm help(&window);
    spy::SpyListForm spylist(&window);
    tally::TallyListForm tallylist(dir.filePath("tally.dat"), &window);
    app::connectSideWindows(window, {about, download, help, spylist, tallylist});
    for (QWidget* side :
         std::initializer_list<QWidget*>{&about, &download, &help, &spylist, &tallylist}) {
        SCOPED_TRACE(side->objectName().toStdString());
        side->show();
        QApplication::setActiveWindow(side);
        ASSERT_TRUE(QTest::qWaitForWindowActive(side));
        QTest::keyClick(side, Qt::Key_Escape);
        EXPECT_FALSE(side->isVisible());
    }
}

}  // namespace
