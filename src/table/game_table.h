// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game table shows the client's game model on the table panel: the seats, the hand, the
// board, the clock, the status and information lines, the turn's buttons and the winner. The
// user's clicks on the board, the hand and the buttons become the client's requests.

#include <QObject>

#include "client/client_core.h"
#include "table/client_state.h"

namespace hexaline::table {

class TablePanel;

class GameTable : public QObject {
    Q_OBJECT
  public:
    // Connects the panel's controls to the client and shows its model.
    GameTable(TablePanel& panel, client::ClientCore& core, QObject* parent = nullptr);

    TablePanel& panel() { return panel_; }
    const client::GameModel& model() const { return model_; }
    client::TurnInput& turn() { return core_.turn(); }

    // Pixels of the time bar per second of the turn.
    int barunit() const;

    // A mouse button pressed at (x, y) of the board, and released over a hand tile.
    void onBoardPressed(Qt::MouseButton button, int x, int y);
    void onHandTileReleased(int slot, Qt::MouseButton button);

  private:
    void showSeat(int seat);
    void showHandSlot(int slot);
    void showHandRow();
    void showMarker(int seat);
    void showClock(int timeleft);
    void showStatus();
    void showInfo(client::Info line);
    void showButtons();
    void showWinner();

    TablePanel& panel_;
    client::ClientCore& core_;
    const client::GameModel& model_;
};

}  // namespace hexaline::table
