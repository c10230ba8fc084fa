// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every legal play of a hand on a board, each with the points it scores this turn.

#include <array>
#include <vector>

#include "engine/tables.h"

namespace hexaline::engine {

struct Move {
    Placements placed{};  // squares by hand slot; (0, 0) = slot not played
    int tiles = 0;
    int score = 0;       // the points the host would give, the run-out bonus included
    unsigned slots = 0;  // bit i set = slot i played
};

using Hand = std::array<int, kHandSlots + 1>;  // slots 1..6, 0 = empty

// Appends every play the host accepts for `hand` on the committed board: any set of hand tiles
// in one row or column, contiguous through board tiles, touching the board unless `firstplay`,
// every line a set. On a round's first play the position does not change the score, so each
// set of tiles is offered once, laid along row 6 from column 4. Clears `out` first.
void legalmoves(const Board& board, const Hand& hand, bool firstplay, std::vector<Move>& out);

// The best score of a later-turn play along each row and column.
struct LineBest {
    std::array<int, kBoardSize> row{};
    std::array<int, kBoardSize> column{};
};
inline constexpr unsigned kAllLines = ((1u << (kLastLine + 1)) - 1) & ~1u;  // bits 1..12

// The best score of the plays along the rows and columns whose bits are set (bit i = line i),
// for a board that is not empty; a single tile counts in its row when that row is searched,
// else in its column.
void bestbyline(const Board& board, const Hand& hand, unsigned rows, unsigned columns,
                LineBest& best);

// The extension count along a board tile: lays hand tiles one by one from the anchor at
// (row, column), first in the direction (dr, dc), then the opposite one, each where the line
// test on the proposed values passes. Returns how many it laid and leaves their squares in
// `placed`; the board's proposed values are as they were.
int extendalong(Board& board, const Hand& hand, int row, int column, int dr, int dc,
                Placements& placed);

// A hand tile can only go next to the anchor if it shares colour or shape with it, and is
// not of the same kind.
bool anyhandtilefits(const Hand& hand, int anchor);

}  // namespace hexaline::engine
