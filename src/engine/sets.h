// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule every line of tiles obeys: it is a set, one colour with all shapes different or one
// shape with all colours different.

#include <span>

#include "engine/tiles.h"

namespace hexaline::engine {

// Whether the tiles, in line order, form a valid line. A single tile always does.
inline bool lineisaset(std::span<const int> tiles) {
    if (tiles.size() <= 1)
        return true;
    const int colour = colourof(tiles[0]);
    const int shape = getshape(tiles[0]);
    bool onecolour = true;  // still a line of one colour with every shape once
    bool oneshape = true;   // still a line of one shape with every colour once
    unsigned colours = 0;
    unsigned shapes = 0;
    for (const int tile : tiles) {
        const int c = colourof(tile);
        const int s = getshape(tile);
        const unsigned cbit = 1u << c;
        const unsigned sbit = 1u << s;
        oneshape = oneshape && s == shape && (colours & cbit) == 0;
        onecolour = onecolour && c == colour && (shapes & sbit) == 0;
        if (!onecolour && !oneshape)
            return false;
        colours |= cbit;
        shapes |= sbit;
    }
    return true;
}

// Whether two tiles can stand in one line: same colour or same shape, not both.
constexpr bool canshareline(int a, int b) {
    return (colourof(a) == colourof(b)) != (getshape(a) == getshape(b));
}

}  // namespace hexaline::engine
