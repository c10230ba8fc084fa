// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Strong computer player: plays to win, knowing only what its seat's player knows.

#include <string>
#include <vector>

#include "engine/players/moves.h"
#include "engine/players/player.h"

namespace hexaline::engine {

class StrongPlayer : public Player {
  public:
    // The weights of the judgement beyond the turn's own points.
    struct Weights {
        double pair = 0.0;       // two kept tiles that can share a line
        double duplicate = 1.0;  // two kept tiles of one kind
        double threat = 0.0;     // a line of five an opponent may complete
        double own = 0.5;        // a line of five this seat may complete next turn
        double four = 0.0;       // an open line of four
        int shortlist = 12;      // plays judged in full
        double reply = 1.0;      // the next opponent's best reply, averaged over samples
        int samples = 8;         // opponent hands sampled from the unseen tiles
    };

    StrongPlayer() = default;
    explicit StrongPlayer(const Weights& weights) : weights_(weights) {}

    std::string choose(const SeatView& view) override;

  private:
    Weights weights_{};
    std::vector<Move> moves_;
    std::vector<Hand> hands_;
    std::vector<LineBest> base_;
};

}  // namespace hexaline::engine
