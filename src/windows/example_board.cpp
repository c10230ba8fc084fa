// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/example_board.h"

#include <QPainter>

#include "art/artwork.h"
#include "engine/tiles.h"

namespace hexaline::windows {

ExampleBoard::ExampleBoard(int rows, int columns, std::vector<Tile> tiles, bool allowed,
                           QWidget* parent)
    : QWidget(parent), rows_(rows), columns_(columns), tiles_(std::move(tiles)), allowed_(allowed) {
    setFixedSize(columns_ * kSquare + 2, rows_ * kSquare + 2);
}

void ExampleBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal dpr = devicePixelRatioF();
    painter.fillRect(rect(), art::kBoardFill);
    auto square = [](int row, int column) {
        return QRect(1 + (column - 1) * kSquare, 1 + (row - 1) * kSquare, kSquare, kSquare);
    };
    for (int r = 1; r <= rows_; ++r) {
        for (int c = 1; c <= columns_; ++c) {
            painter.drawPixmap(square(r, c), art::boardSquare(art::kEmptySquare, dpr));
        }
    }
    for (const Tile& t : tiles_) {
        painter.drawPixmap(square(t.row, t.column), art::boardSquare(engine::kindof(t.code), dpr));
    }
    // This turn's tiles: a light ring, green where the play is allowed, red where it is not.
    const QColor ring = allowed_ ? QColor(120, 230, 120) : QColor(255, 90, 90);
    painter.setPen(QPen(ring, 2));
    painter.setBrush(Qt::NoBrush);
    for (const Tile& t : tiles_) {
        if (t.laid)
            painter.drawRoundedRect(QRectF(square(t.row, t.column)).adjusted(1, 1, -1, -1), 4, 4);
    }
}

}  // namespace hexaline::windows
