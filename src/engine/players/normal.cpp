// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/players/normal.h"

#include <array>

namespace hexaline::engine {

std::string NormalPlayer::choose(const SeatView& view) {
    if (view.firstplay())
        return openingplay(view.hand(), view.seat());
    board_ = view.board();
    return computerchoice(board_, view.hand(), view.seat(), chosen_);
}

// Every count depends only on the board and the hand, so one scan finds the largest count and
// the first search (anchor order, vertical before horizontal) that reaches it.
std::string NormalPlayer::computerchoice(Board& board, const Hand& hand, int seat,
                                         Placements& chosen) {
    int best = 0;
    int bestrow = 0;
    int bestcolumn = 0;
    bool bestvertical = true;
    for (int c = kFirstLine; c <= kLastLine && best < kHandSlots; ++c) {
        for (int r = kFirstLine; r <= kLastLine && best < kHandSlots; ++r) {
            const int anchor = board[r][c].committed;
            if (anchor == 0 || !anyhandtilefits(hand, anchor))
                continue;
            const bool upordown = board[r - 1][c].proposed == 0 || board[r + 1][c].proposed == 0;
            if (upordown) {
                const int count = extendalong(board, hand, r, c, 1, 0, chosen);
                if (count > best) {
                    best = count;
                    bestrow = r;
                    bestcolumn = c;
                    bestvertical = true;
                }
            }
            const bool leftorright = board[r][c - 1].proposed == 0 || board[r][c + 1].proposed == 0;
            if (leftorright && best < kHandSlots) {
                const int count = extendalong(board, hand, r, c, 0, 1, chosen);
                if (count > best) {
                    best = count;
                    bestrow = r;
                    bestcolumn = c;
                    bestvertical = false;
                }
            }
        }
    }
    if (best == 0) {
        chosen.fill(Placement{});
        return {};
    }
    if (bestvertical) {
        extendalong(board, hand, bestrow, bestcolumn, 1, 0, chosen);
    } else {
        extendalong(board, hand, bestrow, bestcolumn, 0, 1, chosen);
    }
    return playtext(seat, chosen);
}

std::string NormalPlayer::openingplay(const Hand& hand, int seat) {
    for (int size = kHandSlots; size >= 1; --size) {
        std::string play = computergetcolorsets(hand, size);
        if (play.empty())
            play = computergetshapesets(hand, size);
        if (!play.empty())
            return std::to_string(seat) + play;
    }
    return {};
}

namespace {

constexpr int kNone = -1;

// "+" slot "+" row "+" column, as a play text carries each tile.
void appendtriple(std::string& text, int slot, int row, int column) {
    for (int v : {slot, row, column}) {
        text += '+';
        text += std::to_string(v);
    }
}

// The largest set around each seed slot: slots sharing `group` with the seed, each `key`
// once (the lowest slot keeps it), laid from (4, 4) along the line; the position counter runs
// on across discarded seeds.
template <typename Group, typename Key>
std::string openingset(const std::array<int, kHandSlots + 1>& hand, int size, bool down,
                       Group group, Key key) {
    int next = 4;
    for (int seed = 1; seed <= kHandSlots - 1; ++seed) {
        if (hand[seed] == 0)
            continue;  // an empty slot is no tile to build on
        std::array<int, kHandSlots + 1> pick{};
        pick.fill(kNone);
        pick[seed] = key(hand[seed]);
        for (int i = 1; i <= kHandSlots; ++i) {
            if (i != seed && hand[i] != 0 && group(hand[i]) == group(hand[seed])) {
                pick[i] = key(hand[i]);
            }
        }
        for (int a = 1; a <= kHandSlots - 1; ++a) {
            for (int b = 1; b <= kHandSlots; ++b) {
                if (b != a && pick[b] != kNone && pick[a] == pick[b])
                    pick[b] = kNone;
            }
        }
        std::string play;
        int count = 0;
        for (int i = 1; i <= kHandSlots; ++i) {
            if (pick[i] == kNone)
                continue;
            ++count;
            const int row = down ? next : 4;
            const int column = down ? 4 : next;
            appendtriple(play, i, row, column);
            ++next;
        }
        if (count == size)
            return play;
    }
    return {};
}

}  // namespace

std::string NormalPlayer::computergetcolorsets(const Hand& hand, int size) {
    return openingset(hand, size, true, colourof, getshape);
}

std::string NormalPlayer::computergetshapesets(const Hand& hand, int size) {
    return openingset(hand, size, false, getshape, colourof);
}

}  // namespace hexaline::engine
