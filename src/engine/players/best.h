// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Best-score computer player: considers every legal play of its hand and lays one with
// the highest score of the turn, the run-out bonus included. A yardstick for stronger play.

#include <string>
#include <vector>

#include "engine/players/moves.h"
#include "engine/players/player.h"

namespace hexaline::engine {

class BestScorePlayer : public Player {
  public:
    std::string choose(const SeatView& view) override;

  private:
    std::vector<Move> moves_;
};

}  // namespace hexaline::engine
