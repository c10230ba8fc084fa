// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's turn: picking up hand tiles, laying them on the board, taking them back, and the
// Finish, Clear, Pass and Start requests. The table turns clicks and keys into these calls;
// only the own turn takes them.

#include "client/client_services.h"
#include "client/game_model.h"

namespace hexaline::client {

class TurnInput {
  public:
    TurnInput(GameModel& model, ClientServices& services) : model_(model), services_(services) {}

    // A hand tile: raises it, or lowers it when it is the raised one. `drop` lowers any.
    void pickUp(int slot);
    void drop();
    // A square: lays the raised tile there; a square that holds a tile refuses.
    void layTile(int row, int column);
    // A tile laid this turn goes back to the hand.
    void takeBack(int row, int column);
    // The turn's buttons.
    void finish();
    void clear();
    void pass();
    // The Start Game button and menu entry.
    void start();

  private:
    GameModel& model_;
    ClientServices& services_;
};

}  // namespace hexaline::client
