// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/tile_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "art/artwork.h"
#include "art/tile_symbols.h"

namespace hexaline::art::detail {

namespace {

// The black rounded square with its grey rim.
void paintTileBase(QPainter& p) {
    const QRectF outer(0.5, 0.5, kTileSize - 1.0, kTileSize - 1.0);
    QLinearGradient rim(0, 0, 0, kTileSize);
    rim.setColorAt(0.0, QColor(206, 206, 206));
    rim.setColorAt(0.5, QColor(150, 150, 150));
    rim.setColorAt(1.0, QColor(92, 92, 92));
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.setBrush(rim);
    p.drawRoundedRect(outer, 5.5, 5.5);

    const QRectF inner(2.5, 2.5, kTileSize - 5.0, kTileSize - 5.0);
    QLinearGradient face(0, inner.top(), 0, inner.bottom());
    face.setColorAt(0.0, QColor(34, 34, 36));
    face.setColorAt(0.45, QColor(10, 10, 12));
    face.setColorAt(1.0, QColor(0, 0, 0));
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    p.setBrush(face);
    p.drawRoundedRect(inner, 4.0, 4.0);
}

}  // namespace

void paintSymbol(QPainter& p, int shape, const QColor& colour) {
    const QPainterPath path = symbolPath(shape);
    if (path.isEmpty()) {
        return;
    }
    const QRectF box = path.boundingRect();

    // A soft dark halo lifts the symbol off the face.
    p.save();
    p.translate(0.0, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawPath(path);
    p.restore();

    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0.0, colour.lighter(128));
    fill.setColorAt(0.45, colour);
    fill.setColorAt(1.0, colour.darker(135));
    p.setPen(QPen(colour.lighter(150), 0.6));
    p.setBrush(fill);
    p.drawPath(path);

    // A glossy highlight over the upper part of the symbol.
    p.save();
    p.setClipPath(path);
    QRadialGradient shine(QPointF(box.center().x() - box.width() * 0.18, box.top() + 2.0),
                          box.width() * 0.55);
    shine.setColorAt(0.0, QColor(255, 255, 255, 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRect(box);
    p.restore();
}

void paintEmptySquare(QPainter& p) {
    const QRectF square(0, 0, kTileSize, kTileSize);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(square, QColor(62, 62, 64));
    // A recessed look: shadowed top and left, lit bottom and right.
    p.setPen(QColor(36, 36, 38));
    p.drawLine(0, 0, kTileSize - 1, 0);
    p.drawLine(0, 0, 0, kTileSize - 1);
    p.setPen(QColor(48, 48, 50));
    p.drawLine(1, 1, kTileSize - 2, 1);
    p.drawLine(1, 1, 1, kTileSize - 2);
    p.setPen(QColor(84, 84, 86));
    p.drawLine(1, kTileSize - 1, kTileSize - 1, kTileSize - 1);
    p.drawLine(kTileSize - 1, 1, kTileSize - 1, kTileSize - 1);
}

void paintTilePicture(QPainter& p, int picture) {
    if (picture < 0 || picture >= kEmptySquare) {
        paintEmptySquare(p);
        return;
    }
    paintTileBase(p);
    paintSymbol(p, shapeOfPicture(picture), tileColour(colourOfPicture(picture)));
}

}  // namespace hexaline::art::detail
