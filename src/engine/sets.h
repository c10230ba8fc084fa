#pragma once
// The rule every line of tiles obeys: it is a set, one colour with all shapes different or one
// shape with all colours different.

#include <span>

#include "engine/tiles.h"

namespace hexaline::engine {

// Whether the tiles, in line order, form a valid line. A single tile always does.
bool lineisaset(std::span<const int> tiles);

// Whether two tiles can stand in one line: same colour or same shape, not both.
constexpr bool canshareline(int a, int b) {
    return (colourof(a) == colourof(b)) != (getshape(a) == getshape(b));
}

}  // namespace hexaline::engine
