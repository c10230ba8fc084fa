// SPDX-License-Identifier: GPL-3.0-or-later
// The bag, the hands and the board.
#include <cstdint>
#include <vector>

#include "engine/host.h"
#include "protocol/builder.h"

namespace hexaline::engine {

void Host::shuffletiles() {
    bag.fill(0);
    for (int code = 1; code <= kTileCount; ++code) {
        int position = 0;
        do {
            position = static_cast<int>(random_.next(kTileCount)) + 1;
        } while (bag[position] != 0);
        bag[position] = code;
    }
    drawn = 0;
}

int Host::gettile() {
    if (drawn < INT32_MAX)
        ++drawn;
    if (drawn > kTileCount)
        return 0;
    return bag[drawn];
}

int Host::tilesleft() const {
    return drawn >= kTileCount ? 0 : kTileCount - drawn;
}

void Host::dealtiles(int seat) {
    if (seat < 1 || seat > kMaxPlayers)
        return;
    std::vector<protocol::Values> dealt;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        int& held = seats[seat].hand[slot];
        if (held != 0)
            continue;
        held = gettile();
        if (held != 0)
            dealt.push_back({slot, held});
    }
    if (!dealt.empty() && seats[seat].connected) {
        sendto(seat, protocol::build(protocol::Msg::MyTiles, {seat}, dealt));
    }
}

void Host::clearboard() {
    for (int r = 0; r < kBoardSize; ++r) {
        for (int c = 0; c < kBoardSize; ++c) {
            const bool frame = r == 0 || c == 0 || r == kBoardSize - 1 || c == kBoardSize - 1;
            board[r][c].committed = frame ? kFrame : 0;
            board[r][c].proposed = frame ? kFrame : 0;
        }
    }
}

bool Host::boardempty() const {
    for (int r = kFirstLine; r <= kLastLine; ++r) {
        for (int c = kFirstLine; c <= kLastLine; ++c) {
            if (board[r][c].committed != 0)
                return false;
        }
    }
    return true;
}

}  // namespace hexaline::engine
