// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tile codes 1..108 (0 = no tile) and the properties the rules and the artwork look at. Host
// and client use these definitions alike.

namespace hexaline::engine {

inline constexpr int kTileCount = 108;
inline constexpr int kKinds = 36;    // six colours times six shapes; three tiles of each kind
inline constexpr int kFrame = 1000;  // value of the squares around the playing area
inline constexpr int kBoardSize = 14;
inline constexpr int kFirstLine = 1;  // first row/column of the playing area
inline constexpr int kLastLine = 12;  // last row/column of the playing area
inline constexpr int kHandSlots = 6;

// Shape 1..6 of a tile code.
constexpr int getshape(int code) {
    const int r = ((code % kKinds) + kKinds) % kKinds;
    if (r >= 1 && r <= 30)
        return (r - 1) / 6 + 1;
    return 6;
}

// Colour 0..5 of a tile code.
constexpr int colourof(int code) {
    return ((code % 6) + 6) % 6;
}

// The kind 0..35 of a tile code: the three tiles of a kind share it, and so does their
// picture.
constexpr int kindof(int code) {
    return ((code % kKinds) + kKinds) % kKinds;
}

constexpr bool istile(int value) {
    return value >= 1 && value <= kTileCount;
}

}  // namespace hexaline::engine
