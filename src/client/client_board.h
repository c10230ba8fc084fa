// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's own copy of the 12 x 12 playing area.

#include <array>

namespace hexaline::client {

inline constexpr int kBoardLines = 12;  // rows and columns, numbered 1..12
inline constexpr int kHandSlots = 6;    // hand slots, numbered 1..6
inline constexpr int kMaxTileCode = 108;

// squarestate: 0 empty, 1..6 laid this turn from that hand slot, kFixed a tile from the host.
inline constexpr int kFixed = 1000;

struct Square {
    int tile = 0;
    int squarestate = 0;
};

// Where a hand slot's tile lies this turn; row 0 = not on the board.
struct Place {
    int row = 0;
    int column = 0;
};

struct ClientBoard {
    std::array<std::array<Square, kBoardLines>, kBoardLines> squares{};

    static bool contains(int row, int column) {
        return row >= 1 && row <= kBoardLines && column >= 1 && column <= kBoardLines;
    }
    // Rows and columns from 1; the caller keeps them inside the board.
    Square& at(int row, int column) { return squares[row - 1][column - 1]; }
    const Square& at(int row, int column) const { return squares[row - 1][column - 1]; }
};

}  // namespace hexaline::client
