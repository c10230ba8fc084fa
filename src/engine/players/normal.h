// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Normal computer player: on a round's first play it lays the largest set its hand holds;
// later it lays as many tiles as one extension count along a board tile finds. It does not
// count points.

#include <string>

#include "engine/players/moves.h"
#include "engine/players/player.h"

namespace hexaline::engine {

class NormalPlayer : public Player {
  public:
    std::string choose(const SeatView& view) override;

    // The later-turn play: one scan finds the largest count and the first search (anchor
    // order column by column, vertical before horizontal) that reaches it. Leaves `chosen`
    // holding the chosen squares; empty when no count is above 0. Tries tiles on the board's
    // proposed values and leaves them as it found them.
    static std::string computerchoice(Board& board, const Hand& hand, int seat, Placements& chosen);
    // The opening play: the largest set of the hand, colour sets first, as play text.
    static std::string openingplay(const Hand& hand, int seat);
    // A set of exactly `size` tiles of one colour (laid down column 4) or one shape (laid
    // along row 4), as "+" slot "+" row "+" column triples; empty if none.
    static std::string computergetcolorsets(const Hand& hand, int size);
    static std::string computergetshapesets(const Hand& hand, int size);

  private:
    Board board_{};  // the board the search tries tiles on
    Placements chosen_{};
};

}  // namespace hexaline::engine
