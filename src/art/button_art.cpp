// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "art/artwork.h"
#include "art/marker_art.h"
#include "art/text_art.h"

namespace hexaline::art::detail {

void paintButton(QPainter& p, QSize size, const QString& text) {
    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF body(0.5, 0.5, w - 1.0, h - 2.0);
    const qreal radius = 6.0;

    // Shadow cast on the table below the button.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(body.translated(0.0, 1.5), radius, radius);

    // Gold rim.
    QLinearGradient rim(0, body.top(), 0, body.bottom());
    rim.setColorAt(0.0, QColor(255, 232, 160));
    rim.setColorAt(0.5, QColor(205, 160, 72));
    rim.setColorAt(1.0, QColor(120, 78, 22));
    p.setPen(QPen(QColor(50, 8, 4), 1.0));
    p.setBrush(rim);
    p.drawRoundedRect(body, radius, radius);

    // Raised red face.
    const QRectF face = body.adjusted(1.6, 1.6, -1.6, -1.6);
    QLinearGradient red(0, face.top(), 0, face.bottom());
    red.setColorAt(0.0, QColor(214, 62, 48));
    red.setColorAt(0.48, QColor(168, 22, 16));
    red.setColorAt(0.52, QColor(146, 12, 8));
    red.setColorAt(1.0, QColor(94, 4, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRoundedRect(face, radius - 1.5, radius - 1.5);

    // Gloss on the upper half.
    QRectF gloss = face.adjusted(1.5, 0.8, -1.5, 0);
    gloss.setHeight(face.height() * 0.45);
    QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
    shine.setColorAt(0.0, QColor(255, 255, 255, 95));
    shine.setColorAt(1.0, QColor(255, 255, 255, 12));
    p.setBrush(shine);
    p.drawRoundedRect(gloss, radius - 2.5, radius - 2.5);

    // Lettering with a dark engraved shadow.
    const QFont font = artFont(13.0, QFont::Black);
    const QPainterPath letters = fittedText(text, font, face.adjusted(5.0, 5.5, -5.0, -5.5));
    p.setBrush(QColor(60, 0, 0, 200));
    p.drawPath(letters.translated(0.0, 1.0));
    QLinearGradient ink(0, face.top(), 0, face.bottom());
    ink.setColorAt(0.0, QColor(255, 255, 240));
    ink.setColorAt(1.0, kLabelText.darker(108));
    p.setBrush(ink);
    p.drawPath(letters);
}

void paintNotPlaying(QPainter& p, QSize size) {
    const QRectF plate(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QLinearGradient fill(0, plate.top(), 0, plate.bottom());
    fill.setColorAt(0.0, QColor(70, 70, 74));
    fill.setColorAt(1.0, QColor(28, 28, 30));
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(plate, 3.5, 3.5);

    QFont font = artFont(9.0, QFont::Bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    const QPainterPath letters =
        fittedText(QStringLiteral("NOT PLAYING"), font, plate.adjusted(4.0, 3.0, -4.0, -3.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 180));
    p.drawPath(letters.translated(0.0, 0.7));
    p.setBrush(QColor(226, 226, 220));
    p.drawPath(letters);
}

void paintEyes(QPainter& p, QSize size) {
    const qreal h = size.height();
    const qreal eyeWidth = (size.width() - 3.0) / 2.0;
    for (int i = 0; i < 2; ++i) {
        const QRectF eye(0.5 + i * (eyeWidth + 2.0), 0.5, eyeWidth, h - 1.0);
        QRadialGradient white(eye.center() - QPointF(1.5, 1.5), eyeWidth * 0.7);
        white.setColorAt(0.0, QColor(255, 255, 255));
        white.setColorAt(1.0, QColor(200, 200, 196));
        p.setPen(QPen(QColor(30, 10, 10), 0.9));
        p.setBrush(white);
        p.drawEllipse(eye);

        // The pupils look sideways, towards the board.
        const QPointF pupil(eye.center().x() - eyeWidth * 0.16, eye.center().y() + 0.4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 70, 130));
        p.drawEllipse(pupil, 2.8, 2.8);
        p.setBrush(QColor(8, 8, 12));
        p.drawEllipse(pupil, 1.6, 1.6);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(pupil + QPointF(-0.9, -1.0), 0.7, 0.7);
    }
}

}  // namespace hexaline::art::detail
