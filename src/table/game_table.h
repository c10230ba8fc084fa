// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's game table: its state, the handlers of the host's game messages and the user's
// input on the board, the hand and the turn buttons, with the turn clock.

#include <QObject>
#include <QTimer>
#include <array>

#include "protocol/dispatcher.h"
#include "table/client_state.h"
#include "table/table_hooks.h"

namespace hexaline::table {

class TablePanel;

class GameTable : public QObject {
    Q_OBJECT
  public:
    // Connects to the panel's controls and clears the table.
    explicit GameTable(TablePanel& panel, QObject* parent = nullptr);

    // Registers the handlers of the game messages from the host.
    void install(protocol::Dispatcher& dispatcher);

    TablePanel& panel() { return panel_; }
    // What the table shows; the client session's seat view.
    client::GameModel& model() { return model_; }
    const client::GameModel& model() const { return model_; }

    // Game messages from the host; each takes the message's fields.
    void clearall();
    void startthegame(protocol::Reader& fields);
    void roundstart(protocol::Reader& fields);
    void mytiles(protocol::Reader& fields);
    void getnextplayer(protocol::Reader& fields);
    void hisplay(protocol::Reader& fields);
    void error(protocol::Reader& fields);
    void hepassed(protocol::Reader& fields);
    void ranout(protocol::Reader& fields);
    void timesup(protocol::Reader& fields);
    void endround(protocol::Reader& fields);
    void winner(protocol::Reader& fields);
    void gamestats(protocol::Reader& fields);
    void loadboard(protocol::Reader& fields);

    // The user's input.
    void boardMouseDown(Qt::MouseButton button, int x, int y);
    void boardMouseMove(int /*x*/, int /*y*/) {}
    void image_tile6MouseUp(int slot, Qt::MouseButton button);
    void button_finishClick();
    void button_clearClick();
    void button_passClick();
    void button_startClick();
    void turntimeTimer();
    // Takes the tiles laid this turn back into the hand.
    void resettiles();

    // The turn in progress on this client.
    int selectedslot = 0;                             // the picked-up hand slot, 0 = none
    std::array<Place, kHandSlots + 1> placedtiles{};  // by hand slot 1..6
    int barunit = 0;                                  // pixels of the time bar per second
    QTimer turntime;

    TableHooks hooks;

  private:
    void stopClock() { turntime.stop(); }
    void startClock() { turntime.start(); }
    void hideTurnButtons();
    void drawSquare(int row, int column);
    void emptyBoard();
    void chat(const QString& text);
    void playsounds(const QString& name);
    // A seat's name as its label shows it.
    QString nameOf(int seat) const;
    bool isPlayer() const { return model_.isPlayer(); }
    bool tilesLaid() const;
    // Input is open on the user's own turn; a client without a player seat never has one.
    bool myTurn() const { return model_.turnseat() != 0 && model_.turnseat() == model_.myseat(); }

    // The controls follow the model.
    void showSeat(int seat);
    void showHandSlot(int slot);
    void showHandRow();
    void showClock(int timeleft);

    TablePanel& panel_;
    client::GameModel model_;
    bool justWatch_ = false;  // the check mark while no menu is attached
};

}  // namespace hexaline::table
