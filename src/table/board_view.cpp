// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/board_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "art/artwork.h"
#include "engine/tiles.h"

namespace hexaline::table {

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("board"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kPixels, kPixels);
}

QRect BoardView::squareRect(int row, int column) {
    return {(column - 1) * kSquarePixels, (row - 1) * kSquarePixels, kSquarePixels, kSquarePixels};
}

void BoardView::drawSquare(int row, int column) {
    if (ClientBoard::contains(row, column))
        update(squareRect(row, column));
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion dirty = event->region();
    for (int row = 1; row <= kBoardLines; ++row) {
        for (int column = 1; column <= kBoardLines; ++column) {
            const QRect square = squareRect(row, column);
            if (!dirty.intersects(square))
                continue;
            const int tile = board_ ? board_->at(row, column).tile : 0;
            const int picture = tile != 0 ? engine::kindof(tile) : art::kEmptySquare;
            painter.drawPixmap(square.topLeft(), art::boardSquare(picture, devicePixelRatioF()));
            ++squaresPainted_;
        }
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit mouseDown(event->button(), static_cast<int>(std::floor(at.x())),
                   static_cast<int>(std::floor(at.y())));
}

}  // namespace hexaline::table
