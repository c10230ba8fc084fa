// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/game_table.h"

#include <QLabel>

#include "art/picture_button.h"
#include "table/board_view.h"
#include "table/hand_image.h"
#include "table/table_panel.h"

namespace hexaline::table {

using client::GameModel;

GameTable::GameTable(TablePanel& panel, client::ClientCore& core, QObject* parent)
    : QObject(parent), panel_(panel), core_(core), model_(core.model()) {
    panel_.board->setBoard(&model_.board());
    connect(&model_, &GameModel::seatChanged, this, &GameTable::showSeat);
    connect(&model_, &GameModel::handChanged, this, &GameTable::showHandSlot);
    connect(&model_, &GameModel::myseatChanged, this, &GameTable::showHandRow);
    connect(&model_, &GameModel::markerChanged, this, &GameTable::showMarker);
    connect(&model_, &GameModel::clockChanged, this, &GameTable::showClock);
    connect(&model_, &GameModel::squareChanged, panel_.board, &BoardView::drawSquare);
    connect(&model_, &GameModel::boardCleared, panel_.board, qOverload<>(&QWidget::update));
    connect(&model_, &GameModel::statusChanged, this, &GameTable::showStatus);
    connect(&model_, &GameModel::infoChanged, this, &GameTable::showInfo);
    connect(&model_, &GameModel::buttonsChanged, this, &GameTable::showButtons);
    connect(&model_, &GameModel::startShownChanged, panel_.button_start, &QWidget::setVisible);
    connect(&model_, &GameModel::winnerChanged, this, &GameTable::showWinner);
    for (int seat = 1; seat <= protocol::kPlayerSeats; ++seat)
        showSeat(seat);

    client::TurnInput& input = core_.turn();
    connect(panel_.board, &BoardView::mouseDown, this, &GameTable::onBoardPressed);
    for (int slot = 1; slot <= kHandSlots; ++slot)
        connect(panel_.tileImage(slot), &HandImage::mouseUp, this, &GameTable::onHandTileReleased);
    connect(panel_.button_finish, &QAbstractButton::clicked, this, [&input] { input.finish(); });
    connect(panel_.button_clear, &QAbstractButton::clicked, this, [&input] { input.clear(); });
    connect(panel_.button_pass, &QAbstractButton::clicked, this, [&input] { input.pass(); });
    connect(panel_.button_start, &QAbstractButton::clicked, this, [&input] { input.start(); });
}

void GameTable::onBoardPressed(Qt::MouseButton button, int x, int y) {
    if (x < 0 || y < 0)
        return;
    const int row = y / BoardView::kSquarePixels + 1;
    const int column = x / BoardView::kSquarePixels + 1;
    if (button == Qt::RightButton)
        core_.turn().takeBack(row, column);
    else
        core_.turn().layTile(row, column);
}

void GameTable::onHandTileReleased(int slot, Qt::MouseButton button) {
    if (button == Qt::RightButton)
        core_.turn().drop();
    else
        core_.turn().pickUp(slot);
}

}  // namespace hexaline::table
