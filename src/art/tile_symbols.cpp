// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/tile_symbols.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "engine/tiles.h"

namespace hexaline::art::detail {

namespace {

// Shapes are built at this many times their size: the set operations of QPainterPath turn
// curves into polygons with a fixed tolerance, which makes small circles visibly angular.
constexpr qreal kFine = 16.0;

QPainterPath fine(const QPainterPath& path) {
    return QTransform::fromScale(kFine, kFine).map(path);
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return fine(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return fine(path);
}

QPainterPath stroked(const QPainterPath& line, qreal width, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width * kFine);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

// A small car seen from the side, facing right, with two windows and two wheels.
QPainterPath car() {
    QPainterPath body;
    body.addRoundedRect(QRectF(4.5, 16.5, 27.0, 9.0), 3.2, 3.2);
    body = fine(body);
    QPainterPath cabin = polygon({{9.5, 17.5}, {13.0, 10.0}, {22.5, 10.0}, {27.5, 17.5}});
    QPainterPath shape = body.united(cabin);
    shape = shape.subtracted(polygon({{12.3, 16.6}, {14.6, 11.8}, {17.4, 11.8}, {17.4, 16.6}}));
    shape = shape.subtracted(polygon({{19.0, 11.8}, {21.6, 11.8}, {24.8, 16.6}, {19.0, 16.6}}));
    const QPointF back(11.0, 25.5);
    const QPointF front(25.0, 25.5);
    shape = shape.subtracted(circle(back, 4.6)).subtracted(circle(front, 4.6));
    for (const QPointF& wheel : {back, front}) {
        shape = shape.united(circle(wheel, 3.6).subtracted(circle(wheel, 1.3)));
    }
    return shape;
}

// A round face with two eyes and a smile.
QPainterPath smiley() {
    QPainterPath face = circle({18.0, 18.0}, 11.8);
    QPainterPath eyes;
    eyes.addEllipse(QPointF(14.0, 14.6), 1.5, 2.3);
    eyes.addEllipse(QPointF(22.0, 14.6), 1.5, 2.3);
    QPainterPath smile;
    const QRectF arc(11.0, 11.5, 14.0, 13.0);
    smile.arcMoveTo(arc, 200.0);
    smile.arcTo(arc, 200.0, 140.0);
    return face.subtracted(fine(eyes)).subtracted(stroked(fine(smile), 2.0));
}

// Six round petals around a ringed centre.
QPainterPath flower() {
    QPainterPath petals;
    for (int i = 0; i < 6; ++i) {
        const double angle = std::numbers::pi / 3.0 * i - std::numbers::pi / 2.0;
        petals = petals.united(
            circle({18.0 + 7.2 * std::cos(angle), 18.0 + 7.2 * std::sin(angle)}, 4.6));
    }
    petals = petals.united(circle({18.0, 18.0}, 6.0));
    return petals.subtracted(circle({18.0, 18.0}, 4.0)).united(circle({18.0, 18.0}, 2.6));
}

QPainterPath heart() {
    QPainterPath path;
    path.moveTo(18.0, 29.0);
    path.cubicTo(14.0, 25.6, 6.0, 20.4, 6.0, 13.8);
    path.cubicTo(6.0, 9.8, 8.9, 7.2, 12.3, 7.2);
    path.cubicTo(14.9, 7.2, 16.9, 8.7, 18.0, 10.9);
    path.cubicTo(19.1, 8.7, 21.1, 7.2, 23.7, 7.2);
    path.cubicTo(27.1, 7.2, 30.0, 9.8, 30.0, 13.8);
    path.cubicTo(30.0, 20.4, 22.0, 25.6, 18.0, 29.0);
    path.closeSubpath();
    return fine(path);
}

// A ring crossed by a vertical bar with two legs falling to the lower left and right.
QPainterPath peace() {
    const QPointF centre(18.0, 18.0);
    const qreal outer = 12.0;
    const qreal inner = 9.1;
    QPainterPath ring = circle(centre, outer).subtracted(circle(centre, inner));
    QPainterPath lines;
    lines.moveTo(18.0, 18.0 - inner - 0.5);
    lines.lineTo(18.0, 18.0 + inner + 0.5);
    const qreal leg = (inner + 0.5) / std::numbers::sqrt2;
    lines.moveTo(centre);
    lines.lineTo(18.0 - leg, 18.0 + leg);
    lines.moveTo(centre);
    lines.lineTo(18.0 + leg, 18.0 + leg);
    QPainterPath bars =
        stroked(fine(lines), 2.6, Qt::FlatCap).intersected(circle(centre, inner + 0.5));
    return ring.united(bars);
}

// One large and two small bubbles.
QPainterPath bubbles() {
    QPainterPath path = circle({14.5, 20.5}, 8.6);
    path = path.united(circle({24.2, 9.8}, 4.0));
    path = path.united(circle({27.0, 23.8}, 2.9));
    return path;
}

QPainterPath fineSymbol(int shape) {
    switch (shape) {
        case 1:
            return car();
        case 2:
            return smiley();
        case 3:
            return flower();
        case 4:
            return heart();
        case 5:
            return peace();
        case 6:
            return bubbles();
        default:
            return {};
    }
}

}  // namespace

QPainterPath symbolPath(int shape) {
    return QTransform::fromScale(1.0 / kFine, 1.0 / kFine).map(fineSymbol(shape));
}

int shapeOfPicture(int picture) {
    return engine::getshape(picture);
}

int colourOfPicture(int picture) {
    return engine::colourof(picture);
}

}  // namespace hexaline::art::detail
