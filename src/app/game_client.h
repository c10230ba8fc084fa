// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client side of the main window put together: the table panel with its game table, the
// client session with its seat view, the game start dialog and the settings file, all fed by
// the window's connection to the host.

#include <QObject>
#include <memory>

#include "client/client_session.h"
#include "protocol/dispatcher.h"
#include "table/game_table.h"
#include "text/settings/preferences.h"

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

class GameClient : public QObject {
    Q_OBJECT
  public:
    GameClient(MainWindow& window, windows::GameStartForm& gamestart, QObject* parent = nullptr);
    ~GameClient() override;

    table::TablePanel& panel() { return *panel_; }
    chat::Chat& chat() { return *chat_; }
    table::GameTable& table() { return *table_; }
    session::ClientSession& session() { return *session_; }
    const client::GameModel& model() const { return table_->model(); }

    // The settings file: read when this client sees itself announced, written when a
    // preference changes, a game starts, or the window closes moved or resized. Until it has
    // been read, a save keeps what the file holds and writes only what the user changed here.
    void loadinifile();
    void saveinifile();

  signals:
    // The host closed the seated connection, or it was lost: the sentence to show. The window
    // stays; what follows is up to the sessions.
    void connectionEnded(const QString& sentence);

  private:
    session::ClientHooks clientHooks();
    table::TableHooks tableHooks();
    void showMessage(const QString& text);
    // The connection ended: close the window once every message it brought is handled.
    void closeWhenDrained();
    void openKickMenu(int seat, const QPoint& where);
    void attachChat();
    // The preferences as this window shows them now.
    settings::Preferences shownPreferences() const;

    MainWindow& window_;
    windows::GameStartForm& gamestart_;
    table::TablePanel* panel_;          // owned by the window once placed
    windows::QuickInstructions* help_;  // owned by the panel
    std::unique_ptr<table::GameTable> table_;
    std::unique_ptr<session::ClientSession> session_;
    std::unique_ptr<chat::Chat> chat_;
    protocol::Dispatcher dispatcher_{protocol::Direction::ToClient};

    bool waitingBox_ = false;
    bool linkLost_ = false;  // the connection ended in an error, not in the host's close  // a box
                             // the user must answer before the window may close

    // Stored preferences that no control holds yet.
    int textSize_ = 10;
    bool loaded_ = false;  // the settings file was read into this window
    // What the window showed when this client was made: a value that differs from it at a save
    // was changed by the user.
    settings::Preferences atStart_;
};

}  // namespace hexaline::app
