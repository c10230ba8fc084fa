// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/board_frame.h"

#include <QPainter>

#include "art/artwork.h"

namespace hexaline::table {

BoardFrame::BoardFrame(QWidget* parent) : QWidget(parent) {}

void BoardFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), art::kBoardFill);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace hexaline::table
