// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/hand_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "art/artwork.h"
#include "engine/tiles.h"

namespace hexaline::table {

HandImage::HandImage(int slot, int x, QWidget* parent) : QWidget(parent), slot_(slot) {
    setObjectName(QStringLiteral("image_tile%1").arg(slot));
    setGeometry(x, kRestY, art::kTileSize, art::kTileSize);
}

void HandImage::setTileCode(int code) {
    tileCode_ = code;
    placeholder_ = -1;
    update();
}

void HandImage::showPlaceholder(int picture) {
    placeholder_ = picture;
    update();
}

int HandImage::picture() const {
    if (tileCode_ != 0)
        return engine::kindof(tileCode_);
    return placeholder_;
}

void HandImage::setRaised(bool raised) {
    move(x(), raised ? kRaisedY : kRestY);
}

void HandImage::paintEvent(QPaintEvent*) {
    const int shown = picture();
    if (shown < 0)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, art::tile(shown, devicePixelRatioF()));
}

void HandImage::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit mouseUp(slot_, event->button());
}

}  // namespace hexaline::table
