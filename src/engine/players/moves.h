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

}  // namespace hexaline::engine
