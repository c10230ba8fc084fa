// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sessions of one window: the hidden host side and the client side that the window plays
// through, made anew whenever the player hosts or joins from the File menu. The first session
// is the one the command line asks for.
//
// Leaving a table works as a lost connection always does: the window's connection closes and,
// when this window hosted, the host side closes every other player's connection. A host whose
// table has other people seated is asked first, on leaving as on closing the window. The new
// session then starts in the same window. A window whose host goes away stays open, unconnected,
// says so and may join again.

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

namespace hexaline::session {
class HostAnnouncer;
}
namespace hexaline::transport {
class DiscoveryListener;
}
namespace hexaline::web {
class WebServer;
}
namespace hexaline::windows {
class GameStartForm;
}

namespace hexaline::app {

class GameClient;
class HostSide;
class MainWindow;

class TableSessions : public QObject {
    Q_OBJECT
  public:
    // A connection attempt from the join dialog gives up after this long.
    static constexpr int kConnectTimeoutMs = 5000;

    TableSessions(MainWindow& window, windows::GameStartForm& gamestart, QObject* parent = nullptr);
    ~TableSessions() override;

    GameClient& client() { return *client_; }
    HostSide& host() { return *host_; }
    bool announcing() const;
    // The page for web browsers, while this window hosts with one; null otherwise.
    web::WebServer* webServer() const { return web_.get(); }

    // Runs for every client side made, the first one included.
    void setClientMade(std::function<void(GameClient&)> made);

    // The settings file the dialogs remember their fields in (the program's settings file
    // unless a test sets another).
    void setSettingsPath(const QString& path) { settingsPath_ = path; }

    // The File menu's entries: the dialog, then the switch.
    void openHostDialog();
    void openJoinDialog();
    // The switch itself. False when the user chose to stay at the current table. With a
    // webPort (0: any free one) the hosted game also serves the page for web browsers.
    bool hostGame(const QString& name, std::uint16_t port, bool announce, int webPort = -1);
    bool joinGame(const QString& name, const QString& address, std::uint16_t port);
    // Options > Computer Strength: applied to the host and kept in the settings file.
    void chooseComputerStrength(int level);

    // Asks before a host ends a game other people sit at; true to go on.
    bool mayLeaveTable();
    // Other people seated at this window's hosted game.
    int othersSeated() const;

    // Answers "leave the game other people sit at?"; a message box when not set.
    std::function<bool(int others)> confirmLeave;

    // The host or join dialog while it is open (tests reach it through this).
    QObject* openDialog() const { return dialog_; }

  signals:
    // A session from the dialogs failed; the sentence shown to the user.
    void sessionFailed(const QString& sentence);

  private:
    void makeSides();
    void leaveTable();
    void failJoin(const QString& sentence);
    // The host went away from a seated client: an unconnected table that says so.
    void hostGone(const QString& sentence);
    QString settingsPath() const;
    // The dialogs' fields: a host's port and a joined port are kept apart.
    void rememberFields(const QString& name, std::uint16_t port, const QString& address,
                        bool hosting);
    void serveWebPage(int port);

    MainWindow& window_;
    windows::GameStartForm& gamestart_;
    std::unique_ptr<HostSide> host_;
    std::unique_ptr<GameClient> client_;
    std::unique_ptr<session::HostAnnouncer> announcer_;
    std::unique_ptr<web::WebServer> web_;  // goes before the host side it serves
    std::function<void(GameClient&)> clientMade_;
    QString settingsPath_;
    QPointer<QObject> dialog_;
    int botLevel_ = 0;  // the computer's level (an engine::BotLevel), as last chosen
    int attempt_ = 0;  // numbers join attempts, so an old attempt's timeout does nothing
};

}  // namespace hexaline::app
