// SPDX-License-Identifier: GPL-3.0-or-later
#include "client/turn_input.h"

#include "protocol/builder.h"

namespace hexaline::client {

void TurnInput::pickUp(int slot) {
    if (!model_.myturn() || slot < 1 || slot > kHandSlots)
        return;
    if (slot == model_.selectedslot()) {
        model_.setSelectedslot(0);
        return;
    }
    // A slot without a tile cannot be picked up; only one tile is raised at a time.
    if (model_.handTile(slot) == 0)
        return;
    model_.setSelectedslot(slot);
    services_.playsounds("pickup");
}

void TurnInput::drop() {
    if (model_.myturn())
        model_.setSelectedslot(0);
}

void TurnInput::layTile(int row, int column) {
    if (!model_.myturn() || !ClientBoard::contains(row, column))
        return;
    if (model_.board().at(row, column).squarestate != 0) {
        services_.playsounds("invalid");
        return;
    }
    const int slot = model_.selectedslot();
    if (slot == 0)
        return;
    if (model_.handTile(slot) == 0) {
        // The slot lost its tile since it was picked up.
        model_.setSelectedslot(0);
        return;
    }
    model_.setSquare(row, column, Square{model_.handTile(slot), slot});
    model_.setPlaced(slot, Place{row, column});
    model_.setSelectedslot(0);
    model_.setButtons({.pass = false, .finish = true, .clear = true});
    services_.playsounds("place");
}

void TurnInput::takeBack(int row, int column) {
    if (!model_.myturn() || !ClientBoard::contains(row, column))
        return;
    // Only a tile laid this turn can be taken back.
    const int slot = model_.board().at(row, column).squarestate;
    if (slot < 1 || slot > kHandSlots)
        return;
    model_.setSquare(row, column, Square{});
    model_.setPlaced(slot, Place{});
    if (!model_.tilesLaid())
        model_.setButtons({.pass = model_.buttons().pass});
    services_.playsounds("clear");
}

void TurnInput::finish() {
    if (!model_.myturn())
        return;
    std::vector<protocol::Values> play;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Place place = model_.placed(slot);
        if (place.row != 0)
            play.push_back({slot, place.row, place.column});
    }
    if (play.empty()) {
        services_.playsounds("invalid");
        return;
    }
    model_.setTurnseat(0);  // no more input until the host answers
    if (model_.isconnected())
        services_.send(protocol::build(protocol::Msg::Play, {model_.myseat()}, play));
    model_.setButtons({});
}

void TurnInput::clear() {
    model_.takeBackTiles();
    services_.playsounds("clear");
    model_.setButtons({.pass = true});
}

void TurnInput::pass() {
    // Tiles lie on the board this turn: they must be finished or cleared first.
    const TurnButtons shown = model_.buttons();
    if (shown.clear || shown.finish)
        return;
    model_.setButtons({});
    if (model_.myturn() && !model_.justWatching()) {
        if (model_.isconnected())
            services_.send(protocol::build(protocol::Msg::Pass, {model_.myseat()}));
        model_.setTurnseat(0);
    }
}

void TurnInput::start() {
    if (model_.isconnected())
        services_.showGameStart();
    else
        services_.showMessage("You are not connected.");
}

}  // namespace hexaline::client
