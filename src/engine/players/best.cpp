// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/players/best.h"

#include "engine/host.h"

namespace hexaline::engine {

std::string BestScorePlayer::choose(Host& host, int seat) {
    if (seat < 1 || seat > kMaxPlayers)
        return {};
    legalmoves(host.board, host.seats[seat].hand, host.firstplay == 1, moves_);
    const Move* best = nullptr;
    for (const Move& m : moves_) {
        if (best == nullptr || m.score > best->score)
            best = &m;
    }
    return best == nullptr ? std::string() : playtext(seat, best->placed);
}

}  // namespace hexaline::engine
