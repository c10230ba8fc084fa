// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client side of the main window put together: the client core fed by the window's
// connection to the host, the table panel with its game table and chat that show the core's
// model, the game start dialog and the settings file. It gives the core its services.

#include <QObject>
#include <memory>

#include "client/client_core.h"
#include "table/game_table.h"
#include "text/settings/preference_store.h"

namespace hexaline::chat {
class Chat;
}
namespace hexaline::windows {
class GameStartForm;
class QuickInstructions;
}  // namespace hexaline::windows

namespace hexaline::app {

class MainWindow;

// What the window says when its connection to the host ends after a seat was given.
inline constexpr char kHostEnded[] = "The host has ended the game.";
inline constexpr char kHostLost[] = "The connection to the host was lost.";

class GameClient : public QObject, private client::ClientServices {
    Q_OBJECT
  public:
    GameClient(MainWindow& window, windows::GameStartForm& gamestart, QObject* parent = nullptr);
    ~GameClient() override;

    table::TablePanel& panel() { return *panel_; }
    chat::Chat& chat() { return *chat_; }
    table::GameTable& table() { return *table_; }
    client::ClientCore& core() { return core_; }
    const client::GameModel& model() const { return core_.model(); }

    // The settings file: read into the window's preferences when this client sees itself
    // announced; written from them when the user changes one (the start dialog's values when
    // a game starts), and when the window closes moved or resized. Until it has been read, a
    // save keeps what the file holds and writes only what the user changed here.
    void loadinifile() override;
    void saveinifile();

  signals:
    // The host closed the seated connection, or it was lost: the sentence to show. The window
    // stays; what follows is up to the sessions.
    void seatLost(const QString& sentence);
    // A finished game to count in the tally: "addtomine" for the user's own win, else the
    // winner's name.
    void gameCounted(const QString& winner);

  private:
    // The services the client core asks for.
    std::string loginname() const override;
    bool hostsGame() const override;
    void send(const std::string& message) override;
    void playsounds(const std::string& name) override;
    void addgame(const std::string& winner) override;
    void showMessage(const std::string& text) override;
    void showMessageAndWait(const std::string& text) override;
    void showGameStart() override;
    void connectionEnded(bool seated) override;
    void closeWindow() override;

    void showNotice(const QString& text);
    // The connection ended: close the window once every message it brought is handled.
    void closeWhenDrained();
    void openKickMenu(int seat, const QPoint& where);
    void showHostRole(bool hosting);
    void attachChat();
    void connectMenus();

    MainWindow& window_;
    windows::GameStartForm& gamestart_;
    client::ClientCore core_;
    table::TablePanel* panel_;          // owned by the window once placed
    windows::QuickInstructions* help_;  // owned by the panel
    std::unique_ptr<table::GameTable> table_;
    std::unique_ptr<chat::Chat> chat_;

    // A box the user must answer before the window may close.
    bool waitingBox_ = false;
    bool linkLost_ = false;  // the connection ended in an error, not in the host's close
};

}  // namespace hexaline::app
