// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing of the tile pictures and the empty board square in the 36 x 36 logical square.

class QPainter;
class QColor;

namespace hexaline::art::detail {

void paintTilePicture(QPainter& p, int picture);
void paintEmptySquare(QPainter& p);
void paintSymbol(QPainter& p, int shape, const QColor& colour);

}  // namespace hexaline::art::detail
