// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six tile symbols as outlines in the 36 x 36 square of a tile picture.

#include <QPainterPath>

namespace hexaline::art::detail {

// Shapes of the tiles: 1 car, 2 smiley face, 3 flower, 4 heart, 5 peace sign, 6 bubbles.
inline constexpr int kShapeCount = 6;

// The filled outline of `shape` (1..6), holes included; an empty path for any other number.
QPainterPath symbolPath(int shape);

// Shape and colour shown by tile picture 0..35: the same as a tile code of that value, with
// picture 0 showing the green bubbles.
int shapeOfPicture(int picture);
int colourOfPicture(int picture);

}  // namespace hexaline::art::detail
