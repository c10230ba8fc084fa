// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/players/best.h"

namespace hexaline::engine {

std::string BestScorePlayer::choose(const SeatView& view) {
    legalmoves(view.board(), view.hand(), view.firstplay(), moves_);
    const Move* best = nullptr;
    for (const Move& m : moves_) {
        if (best == nullptr || m.score > best->score)
            best = &m;
    }
    return best == nullptr ? std::string() : playtext(view.seat(), best->placed);
}

}  // namespace hexaline::engine
