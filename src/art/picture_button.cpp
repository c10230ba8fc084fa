// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/picture_button.h"

#include <QPainter>

namespace hexaline::art {

PictureButton::PictureButton(Button which, QWidget* parent)
    : QAbstractButton(parent), which_(which) {
    setFixedSize(buttonSize(which));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QSize PictureButton::sizeHint() const {
    return buttonSize(which_);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPixmap picture = button(which_, devicePixelRatioF());
    if (hovered_ && !isDown() && isEnabled()) {
        // Brighten only where the button is painted, not the table around it.
        QPainter glow(&picture);
        glow.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        glow.fillRect(QRect(QPoint(0, 0), buttonSize(which_)), QColor(255, 240, 200, 40));
    }
    p.drawPixmap(QPoint(0, isDown() ? 1 : 0), picture);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace hexaline::art
