// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's move search done the slow, literal way: the choice repeats the scan of every
// anchor per target size from 6 down to 1, and the move check runs both extension counts at
// every tile. Tests and the benchmark hold the fast search in the engine against it.

#include <string>

#include "engine/host.h"
#include "engine/players/player.h"

namespace hexaline::support {

// The later-turn play the Normal computer makes; leaves `botplacement` holding its squares.
inline std::string computerchoiceLiteral(engine::Host& host, int seat) {
    using namespace engine;
    host.botplacement.fill(Placement{});
    for (int target = 6; target >= 1; --target) {
        for (int c = kFirstLine; c <= kLastLine; ++c) {
            for (int r = kFirstLine; r <= kLastLine; ++r) {
                if (host.board[r][c].committed == 0)
                    continue;
                if (host.computercheckupdown(seat, r, c) == target)
                    return playtext(seat, host.botplacement);
                if (host.computercheckleftright(seat, r, c) == target)
                    return playtext(seat, host.botplacement);
            }
        }
    }
    return {};
}

// Whether the seat can move, by extension counts at every tile.
inline bool checkformoveLiteral(engine::Host& host, int seat) {
    using namespace engine;
    if (host.firstplay == 1)
        return true;
    for (int c = kFirstLine; c <= kLastLine; ++c) {
        for (int r = kFirstLine; r <= kLastLine; ++r) {
            if (host.board[r][c].committed == 0)
                continue;
            if (host.computercheckupdown(seat, r, c) > 0)
                return true;
            if (host.computercheckleftright(seat, r, c) > 0)
                return true;
        }
    }
    return false;
}

}  // namespace hexaline::support
