// SPDX-License-Identifier: GPL-3.0-or-later
// The user's turn: picking up hand tiles, laying them on the board, taking them back, and the
// Finish, Clear, Pass and Start buttons.
#include <QLabel>

#include "art/picture_button.h"
#include "protocol/builder.h"
#include "table/board_view.h"
#include "table/game_table.h"
#include "table/hand_image.h"
#include "table/table_panel.h"

namespace hexaline::table {

void GameTable::boardMouseDown(Qt::MouseButton button, int x, int y) {
    if (!myTurn())
        return;
    if (x < 0 || y < 0)
        return;
    const int row = y / BoardView::kSquarePixels + 1;
    const int column = x / BoardView::kSquarePixels + 1;
    if (!ClientBoard::contains(row, column))
        return;
    Square& square = model_.board().at(row, column);

    if (button == Qt::RightButton) {
        // Only a tile laid this turn can be taken back.
        if (square.squarestate < 1 || square.squarestate > kHandSlots)
            return;
        const int slot = square.squarestate;
        square = Square{};
        drawSquare(row, column);
        HandImage* image = panel_.tileImage(slot);
        image->setRaised(false);
        image->show();
        placedtiles[slot] = Place{};
        if (!tilesLaid()) {
            panel_.button_finish->hide();
            panel_.button_clear->hide();
        }
        playsounds(QStringLiteral("clear"));
        return;
    }

    if (square.squarestate != 0) {
        playsounds(QStringLiteral("invalid"));
        return;
    }
    if (selectedslot == 0)
        return;
    HandImage* image = panel_.tileImage(selectedslot);
    if (model_.handTile(selectedslot) == 0) {
        // The slot lost its tile since it was picked up.
        selectedslot = 0;
        return;
    }
    square.squarestate = selectedslot;
    square.tile = model_.handTile(selectedslot);
    drawSquare(row, column);
    placedtiles[selectedslot] = Place{row, column};
    image->setRaised(false);
    image->hide();
    selectedslot = 0;
    panel_.button_finish->show();
    panel_.button_clear->show();
    panel_.button_pass->hide();
    playsounds(QStringLiteral("place"));
}

void GameTable::image_tile6MouseUp(int slot, Qt::MouseButton button) {
    if (!myTurn() || slot < 1 || slot > kHandSlots)
        return;
    HandImage* image = panel_.tileImage(slot);
    if (button == Qt::RightButton) {
        if (selectedslot != 0)
            panel_.tileImage(selectedslot)->setRaised(false);
        image->setRaised(false);
        selectedslot = 0;
        return;
    }
    if (slot == selectedslot) {
        image->setRaised(false);
        selectedslot = 0;
        return;
    }
    // A slot without a tile cannot be picked up.
    if (model_.handTile(slot) == 0)
        return;
    // Only one tile is raised at a time.
    if (selectedslot != 0)
        panel_.tileImage(selectedslot)->setRaised(false);
    selectedslot = slot;
    image->setRaised(true);
    playsounds(QStringLiteral("pickup"));
}

void GameTable::button_finishClick() {
    if (!myTurn())
        return;
    std::vector<protocol::Values> play;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Place& place = placedtiles[slot];
        if (place.row == 0)
            continue;
        panel_.tileImage(slot)->hide();
        play.push_back({slot, place.row, place.column});
    }
    if (play.empty()) {
        playsounds(QStringLiteral("invalid"));
        return;
    }
    model_.setTurnseat(0);  // no more input until the host answers
    if (hooks.isconnected())
        hooks.send(protocol::build(protocol::Msg::Play, {model_.myseat()}, play));
    panel_.button_finish->hide();
    panel_.button_clear->hide();
    panel_.button_pass->hide();
}

void GameTable::button_clearClick() {
    resettiles();
    playsounds(QStringLiteral("clear"));
    panel_.button_pass->show();
}

void GameTable::resettiles() {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Place place = placedtiles[slot];
        if (place.row != 0 && ClientBoard::contains(place.row, place.column)) {
            model_.board().at(place.row, place.column) = Square{};
            drawSquare(place.row, place.column);
        }
        placedtiles[slot] = Place{};
        // The tiles laid this turn come back; a slot without a tile shows nothing.
        HandImage* image = panel_.tileImage(slot);
        if (model_.handTile(slot) == 0)
            image->clearPlaceholder();
        showHandSlot(slot);
    }
    panel_.button_finish->hide();
    panel_.button_clear->hide();
}

void GameTable::button_passClick() {
    // Tiles lie on the board this turn: they must be finished or cleared first.
    if (!panel_.button_clear->isHidden() || !panel_.button_finish->isHidden())
        return;
    hideTurnButtons();
    if (myTurn() && !hooks.justWatchChecked()) {
        if (hooks.isconnected())
            hooks.send(protocol::build(protocol::Msg::Pass, {model_.myseat()}));
        model_.setTurnseat(0);
    }
}

void GameTable::button_startClick() {
    if (hooks.isconnected()) {
        hooks.showGameStart();
    } else {
        hooks.showMessage(QStringLiteral("You are not connected."));
    }
}

}  // namespace hexaline::table
