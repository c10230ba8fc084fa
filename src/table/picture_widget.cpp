// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/picture_widget.h"

#include <QPainter>

namespace hexaline::table {

PictureWidget::PictureWidget(Maker maker, QSize size, QWidget* parent)
    : QWidget(parent), maker_(std::move(maker)) {
    resize(size);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, maker_(devicePixelRatioF()));
}

}  // namespace hexaline::table
