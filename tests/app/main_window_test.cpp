// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its menus at start, its size rules, its close, and the launch modes
// carried out against a real host side on a free port.
#include <gtest/gtest.h>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include "app/host_side.h"
#include "app/main_window.h"
#include "support/free_port.h"

using namespace hexaline::app;

namespace {
constexpr int kTimeoutMs = 5000;

QAction* entry(const MainWindow& w, const char* name) {
    return w.findChild<QAction*>(QString::fromLatin1(name));
}

QStringList entryTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << (a->isSeparator() ? "-" : a->text());
    return texts;
}
}  // namespace

TEST(MainWindowMenus, EntriesShortcutsAndStatesAtStart) {
    MainWindow w;
    EXPECT_EQ(w.windowTitle(), "Hexaline by Orvik7 Software");
    const QList<QAction*> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(entryTexts(menus[0]->menu()),
              (QStringList{"Start Game", "-", "Exit", "-", "Host a Game…", "Join a Game…"}));
    EXPECT_EQ(entryTexts(menus[1]->menu()),
              (QStringList{"Play Sounds", "Player Phrase Sounds", "Turn Sound", "Bot Speed", "-",
                           "Text Color", "Text Size", "Scroll Chat Off\tCtrl+S", "Clear Main Chat",
                           "Reset Screen Location", "-", "Just Watch", "-", "Computer Strength"}));
    EXPECT_EQ(entryTexts(menus[2]->menu()), (QStringList{"View Tally", "Spy List", "Phrase List"}));
    EXPECT_EQ(entryTexts(menus[3]->menu()),
              (QStringList{"Content", "-", "About", "Quick Instructions"}));

    EXPECT_FALSE(entry(w, "StartGame1")->isEnabled());
    EXPECT_EQ(entry(w, "StartGame1")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_TRUE(entry(w, "ScrollChatOff2")->shortcut().isEmpty());  // Ctrl+S starts games
    EXPECT_EQ(entry(w, "Help2")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(entry(w, "QuickInstructions1")->shortcut(), QKeySequence("Ctrl+I"));
    EXPECT_TRUE(entry(w, "PlaySounds1")->isChecked());
    EXPECT_TRUE(entry(w, "PlayerPhraseSounds1")->isChecked());
    EXPECT_FALSE(entry(w, "ScrollChatOff2")->isChecked());
    EXPECT_FALSE(entry(w, "JustWatch1")->isChecked());
    EXPECT_TRUE(entry(w, "Classic1")->isChecked());
    EXPECT_TRUE(entry(w, "Normal1")->isChecked());
    EXPECT_EQ(entry(w, "Slow1")->data().toInt(), 2000);
    EXPECT_EQ(entry(w, "Fast1")->data().toInt(), 500);
    EXPECT_EQ(entry(w, "New1")->data().toInt(), 1);
    EXPECT_EQ(entry(w, "N14")->data().toInt(), 14);
    EXPECT_EQ(w.preferences().botSpeedMs(), 1000);
    EXPECT_EQ(w.preferences().turnSound(), 0);
    EXPECT_NE(w.findChild<QWidget*>("panel_board"), nullptr);
}

TEST(MainWindowMenus, EntriesWriteThePreferencesAndJustWatchWaitsForTheHost) {
    MainWindow w;
    QSignalSpy changed(&w.preferences(), &hexaline::settings::PreferenceStore::changed);
    entry(w, "Fast1")->trigger();
    EXPECT_EQ(w.preferences().botSpeedMs(), 500);
    EXPECT_FALSE(entry(w, "Normal1")->isChecked());
    entry(w, "New1")->trigger();
    EXPECT_EQ(w.preferences().turnSound(), 1);
    entry(w, "PlaySounds1")->trigger();
    EXPECT_FALSE(w.preferences().playSounds());
    entry(w, "PlayerPhraseSounds1")->trigger();
    EXPECT_FALSE(w.preferences().playerPhraseSounds());
    entry(w, "N12")->trigger();
    EXPECT_EQ(w.preferences().textSize(), 12);
    EXPECT_EQ(changed.size(), 5);  // each one is saved by the settings code

    QSignalSpy clicked(entry(w, "JustWatch1"), &QAction::triggered);
    entry(w, "JustWatch1")->trigger();
    EXPECT_EQ(clicked.size(), 1);
    EXPECT_FALSE(entry(w, "JustWatch1")->isChecked());  // only the host's answer sets it
    w.setJustWatchChecked(true);
    entry(w, "JustWatch1")->trigger();
    EXPECT_TRUE(entry(w, "JustWatch1")->isChecked());
}

// The marks show the preferences, whoever changed them.
TEST(MainWindowMenus, MarksShowThePreferences) {
    MainWindow w;
    hexaline::settings::PreferenceStore& prefs = w.preferences();
    prefs.setTextSize(12);
    EXPECT_TRUE(entry(w, "N12")->isChecked());
    prefs.setTextSize(9);  // no entry: none checked
    EXPECT_FALSE(entry(w, "N12")->isChecked());
    EXPECT_FALSE(entry(w, "N10")->isChecked());

    hexaline::settings::LoadResult loaded;
    loaded.textSize = 14;
    loaded.botSpeedMs = 2000;
    loaded.turnSound = 1;
    loaded.playSounds = false;
    loaded.playerPhraseSounds = false;
    prefs.load(loaded);
    EXPECT_TRUE(entry(w, "N14")->isChecked());
    EXPECT_TRUE(entry(w, "Slow1")->isChecked());
    EXPECT_FALSE(entry(w, "Normal1")->isChecked());
    EXPECT_TRUE(entry(w, "New1")->isChecked());
    EXPECT_FALSE(entry(w, "Classic1")->isChecked());
    EXPECT_FALSE(entry(w, "PlaySounds1")->isChecked());
    EXPECT_FALSE(entry(w, "PlayerPhraseSounds1")->isChecked());
}

TEST(MainWindowMenus, EntriesAreReachedByTheirNames) {
    MainWindow w;
    const std::pair<MenuEntry, const char*> named[] = {
        {MenuEntry::StartGame, "StartGame1"},
        {MenuEntry::Exit, "Exit1"},
        {MenuEntry::HostGame, "HostaGame1"},
        {MenuEntry::JoinGame, "JoinaGame1"},
        {MenuEntry::PlaySounds, "PlaySounds1"},
        {MenuEntry::PlayerPhraseSounds, "PlayerPhraseSounds1"},
        {MenuEntry::TextColor, "TextColor1"},
        {MenuEntry::ScrollChatOff, "ScrollChatOff2"},
        {MenuEntry::ClearMainChat, "ClearMainChat1"},
        {MenuEntry::ResetScreenLocation, "ResetScreenLocation1"},
        {MenuEntry::JustWatch, "JustWatch1"},
        {MenuEntry::ViewTally, "ViewTally1"},
        {MenuEntry::SpyList, "SpyList1"},
        {MenuEntry::PhraseList, "PrhaseList1"},
        {MenuEntry::Help, "Help2"},
        {MenuEntry::About, "About1"},
        {MenuEntry::QuickInstructions, "QuickInstructions1"},
    };
    ASSERT_EQ(std::size(named), kMenuEntries);
    for (const auto& [which, name] : named)
        EXPECT_EQ(w.entry(which), entry(w, name)) << name;
}

TEST(MainWindowFrame, ClientAreaNeverBelowTheBoardPanel) {
    MainWindow w;
    const QWidget* client = w.centralWidget();
    EXPECT_GE(client->width(), 768);
    EXPECT_GE(client->height(), 530);
    w.resize(300, 200);
    EXPECT_GE(client->width(), 768);
    EXPECT_GE(client->height(), 530);
}

TEST(MainWindowFrame, ResetScreenLocationAndCloseSaveOnlyWhenMoved) {
    MainWindow w;
    int saves = 0;
    w.setSaveinifile([&] { ++saves; });
    entry(w, "ResetScreenLocation1")->trigger();
    EXPECT_EQ(w.bounds().left, 3);
    EXPECT_EQ(w.bounds().top, 3);
    EXPECT_EQ(w.bounds().width, 772);
    EXPECT_EQ(saves, 0);  // resetting saves nothing

    w.setSavedBounds(w.bounds());
    w.close();
    EXPECT_EQ(saves, 0);  // unchanged since the load

    w.move(40, 50);
    w.close();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(w.savedBounds().left, 40);
    EXPECT_EQ(w.savedBounds().top, 50);
}

TEST(MainWindowLaunch, SoloHostsAndConnectsItsOwnClient) {
    MainWindow w({.arguments = {}, .port = 0});
    HostSide host;
    w.setHostSide(&host);
    QSignalSpy download(&w, &MainWindow::lobbyDownloadRequested);
    QSignalSpy accepted(&host.link(), &hexaline::transport::HostLink::accepted);
    w.processparams();
    EXPECT_EQ(w.chatLines(), (std::vector<std::string>{"0+Loading Solo Game. Please wait."}));
    EXPECT_EQ(download.size(), 1);
    EXPECT_TRUE(host.link().isListening());
    EXPECT_TRUE(w.ishost());
    EXPECT_EQ(w.playername(), "You");
    EXPECT_EQ(w.loginname(), "You");
    EXPECT_TRUE(w.startButtonVisible());
    EXPECT_TRUE(entry(w, "StartGame1")->isEnabled());
    EXPECT_FALSE(w.lobbyLinkOpened());
    ASSERT_TRUE(accepted.wait(kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.sock().isConnected(); }, kTimeoutMs));
}

TEST(MainWindowLaunch, HostingWithThreeArgumentsConnectsLocallyAndOpensTheLobbyLink) {
    QTcpServer lobby;
    ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, 0));
    MainWindow w(
        {.arguments = {"Ann", "192.0.2.1", "true"}, .port = 0, .lobbyPort = lobby.serverPort()});
    HostSide host;
    w.setHostSide(&host);
    QSignalSpy accepted(&host.link(), &hexaline::transport::HostLink::accepted);
    QSignalSpy lobbyLinked(&lobby, &QTcpServer::newConnection);
    w.processparams();
    EXPECT_EQ(w.chatLines(),
              (std::vector<std::string>{"0+Loading Multi-player Game. Please wait."}));
    EXPECT_TRUE(w.ishost());
    EXPECT_EQ(w.loginname(), "Ann");
    ASSERT_TRUE(accepted.wait(kTimeoutMs));  // the own client, at 127.0.0.1
    EXPECT_EQ(host.link().peerAddress(accepted.at(0).at(0).toInt()), "127.0.0.1");
    EXPECT_TRUE(lobbyLinked.size() == 1 || lobbyLinked.wait(kTimeoutMs));
}

TEST(MainWindowLaunch, BusyPortStopsHostModeWithAMessage) {
    QTcpServer busy;
    ASSERT_TRUE(busy.listen(QHostAddress::Any, 0));
    MainWindow w({.arguments = {"Ann", "x", "true"}, .port = busy.serverPort()});
    HostSide host;
    w.setHostSide(&host);
    QSignalSpy errors(&w, &MainWindow::errorShown);
    w.processparams();
    ASSERT_EQ(errors.size(), 1);
    const QString sentence = QStringLiteral(
                                 "Port %1 is already in use on this computer, perhaps by another "
                                 "game. Choose another port and host again.")
                                 .arg(busy.serverPort());
    EXPECT_EQ(errors.at(0).at(0).toString(), sentence);
    EXPECT_EQ(w.chatLines().back(), "0+" + sentence.toStdString());
    EXPECT_FALSE(w.ishost());
    EXPECT_FALSE(w.startButtonVisible());
    EXPECT_FALSE(w.lobbyLinkOpened());
}

TEST(MainWindowLaunch, JoiningConnectsToTheGivenAddressAndPort) {
    QTcpServer gameHost, lobby;
    ASSERT_TRUE(gameHost.listen(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, 0));
    MainWindow w({.arguments = {"Bo", "127.0.0.1", "false"},
                  .port = gameHost.serverPort(),
                  .lobbyPort = lobby.serverPort()});
    HostSide host;
    w.setHostSide(&host);
    QSignalSpy joined(&gameHost, &QTcpServer::newConnection);
    QSignalSpy lobbyLinked(&lobby, &QTcpServer::newConnection);
    w.processparams();
    EXPECT_FALSE(w.ishost());
    EXPECT_FALSE(host.link().isListening());
    EXPECT_FALSE(w.startButtonVisible());
    EXPECT_EQ(w.loginname(), "Bo");
    EXPECT_TRUE(joined.size() == 1 || joined.wait(kTimeoutMs));
    EXPECT_TRUE(lobbyLinked.size() == 1 || lobbyLinked.wait(kTimeoutMs));
}

TEST(MainWindowLaunch, JoiningAnUnknownHostShowsTheLookupErrorAndNoLobbyLink) {
    MainWindow w({.arguments = {"Ann", "no-such-host.invalid", "True"}, .port = 1});
    QSignalSpy errors(&w, &MainWindow::errorShown);
    w.processparams();
    EXPECT_FALSE(w.ishost());
    EXPECT_FALSE(w.startButtonVisible());
    ASSERT_TRUE(errors.wait(30000));
    EXPECT_EQ(errors.at(0).at(0).toString(), "Host Lookup - Could Not Find Host Entry");
    EXPECT_FALSE(w.lobbyLinkOpened());
    EXPECT_EQ(w.chatLines().back(),
              "0+Could not join the game at no-such-host.invalid: the "
              "address cannot be found.");
}

TEST(MainWindowLaunch, AJoinThatIsRefusedEndsInALineThatSaysSo) {
    const quint16 port = hexaline::support::freeTcpPort(QHostAddress::LocalHost);
    ASSERT_NE(port, 0);
    MainWindow w({.arguments = {"Bo", "127.0.0.1", "false"}, .port = port});
    w.processparams();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.chatLines().size() >= 2; }, kTimeoutMs));
    const std::string& last = w.chatLines().back();
    EXPECT_EQ(last.rfind("0+Could not join the game at 127.0.0.1: ", 0), 0u) << last;
}

TEST(MainWindowLaunch, OneArgumentOnlyShowsTheLoadingLine) {
    MainWindow w({.arguments = {"Ann"}, .port = 0});
    HostSide host;
    w.setHostSide(&host);
    w.processparams();
    EXPECT_EQ(w.chatLines(),
              (std::vector<std::string>{"0+Loading Multi-player Game. Please wait."}));
    EXPECT_FALSE(host.link().isListening());
    EXPECT_FALSE(w.startButtonVisible());
    EXPECT_TRUE(w.loginname().empty());
}

TEST(MainWindowMenus, CtrlSBelongsToStartGameAloneAndScrollTakesItInsideItsMenu) {
    MainWindow w;
    // Two entries with one key make Qt report the key as ambiguous and trigger neither, which
    // is what happened once the menu bar held the focus.
    int holders = 0;
    for (const QAction* a : w.findChildren<QAction*>())
        holders += a->shortcuts().contains(QKeySequence("Ctrl+S")) ? 1 : 0;
    EXPECT_EQ(holders, 1);
    EXPECT_EQ(entry(w, "StartGame1")->shortcut(), QKeySequence("Ctrl+S"));

    // With the Options menu open, the key reaches its Scroll Chat Off entry.
    QSignalSpy starts(entry(w, "StartGame1"), &QAction::triggered);
    QMenu* options = w.menuBar()->actions()[1]->menu();
    options->popup(QPoint(0, 0));
    QTest::keyClick(options, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(entry(w, "ScrollChatOff2")->isChecked());
    EXPECT_EQ(starts.size(), 0);
}

TEST(MainWindowFrame, TheTableClothLiesUnderTheWholeWindow) {
    MainWindow w;
    const QBrush cloth = w.centralWidget()->palette().brush(QPalette::Window);
    EXPECT_EQ(cloth.style(), Qt::TexturePattern);
    EXPECT_FALSE(cloth.texture().isNull());
}
