// SPDX-License-Identifier: GPL-3.0-or-later
// The move search: line tests on tried squares and the extension counts along a tile.
#include "engine/host.h"
#include "engine/players/moves.h"
#include "engine/sets.h"

namespace hexaline::engine {

namespace {

// Whether the proposed values through the square along the line form a set.
bool fitsalong(const Board& board, SearchLine direction, int row, int column) {
    const bool vertical = direction == SearchLine::Column;
    auto at = [&](int index) -> const Square& {
        return vertical ? board[index][column] : board[row][index];
    };
    const int start = vertical ? row : column;
    int lo = start;
    int hi = start;
    while (lo > 0 && at(lo - 1).proposed != 0 && at(lo - 1).committed != kFrame)
        --lo;
    while (hi < kBoardSize - 1 && at(hi + 1).proposed != 0 && at(hi + 1).committed != kFrame)
        ++hi;
    if (hi - lo > 7)
        return false;
    if (lo == hi)
        return true;  // a tile alone is a line
    std::array<int, kBoardSize> run;
    for (int i = lo; i <= hi; ++i)
        run[i - lo] = at(i).proposed;
    return lineisaset(std::span<const int>(run.data(), hi - lo + 1));
}

bool fitsboth(const Board& board, int row, int column) {
    return fitsalong(board, SearchLine::Column, row, column) &&
           fitsalong(board, SearchLine::Row, row, column);
}

}  // namespace

// Lays hand tiles first in the direction (dr, dc) from the anchor, then in the opposite one.
int extendalong(Board& board, const Hand& hand, int row, int column, int dr, int dc,
                Placements& placed) {
    placed.fill(Placement{});
    const int anchor = board[row][column].committed;
    std::array<bool, kHandSlots + 1> laid{};
    for (int pass = 0; pass < 2; ++pass) {
        const int step = pass == 0 ? 1 : -1;
        int r = row;
        int c = column;
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            // A tile that cannot share a line with the anchor fails the line test anyway.
            if (hand[slot] == 0 || laid[slot] || !canshareline(hand[slot], anchor))
                continue;
            const int nr = r + step * dr;
            const int nc = c + step * dc;
            if (nr < kFirstLine || nr > kLastLine || nc < kFirstLine || nc > kLastLine)
                continue;
            Square& square = board[nr][nc];
            if (square.proposed != 0)
                continue;
            square.proposed = hand[slot];
            if (fitsboth(board, nr, nc)) {
                laid[slot] = true;
                placed[slot] = {nr, nc};
                r = nr;
                c = nc;
            } else {
                square.proposed = 0;
            }
        }
    }
    int count = 0;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (!laid[slot])
            continue;
        ++count;
        board[placed[slot].row][placed[slot].column].proposed = 0;
    }
    return count;
}

bool anyhandtilefits(const Hand& hand, int anchor) {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const int tile = hand[slot];
        if (tile != 0 && canshareline(tile, anchor))
            return true;
    }
    return false;
}

bool Host::computercheck(int row, int column) const {
    return fitsboth(board, row, column);
}

int Host::extend(int seat, int row, int column, int dr, int dc) {
    if (seat < 1 || seat > kMaxPlayers) {
        botplacement.fill(Placement{});
        return 0;
    }
    return extendalong(board, seats[seat].hand, row, column, dr, dc, botplacement);
}

int Host::computercheckupdown(int seat, int row, int column) {
    return extend(seat, row, column, 1, 0);
}

int Host::computercheckleftright(int seat, int row, int column) {
    return extend(seat, row, column, 0, 1);
}

// Whether the tile fits alone on the empty square: both lines through it stay valid.
bool Host::fitsalone(int tile, int row, int column) {
    Square& square = board[row][column];
    square.proposed = tile;
    const bool fits = computercheck(row, column);
    square.proposed = 0;
    return fits;
}

bool Host::matchesanyhandtile(int seat, int anchor) const {
    return anyhandtilefits(seats[seat].hand, anchor);
}

// An extension count is above 0 exactly when some hand tile fits alone on an empty square
// beside the anchor, so only those squares are tried.
bool Host::checkformove(int seat) {
    if (firstplay == 1)
        return true;
    if (seat < 1 || seat > kMaxPlayers)
        return false;
    const auto& hand = seats[seat].hand;
    for (int c = kFirstLine; c <= kLastLine; ++c) {
        for (int r = kFirstLine; r <= kLastLine; ++r) {
            const int anchor = board[r][c].committed;
            if (anchor == 0 || !matchesanyhandtile(seat, anchor))
                continue;
            const int around[4][2] = {{r + 1, c}, {r - 1, c}, {r, c + 1}, {r, c - 1}};
            for (const auto& sq : around) {
                const int nr = sq[0];
                const int nc = sq[1];
                if (nr < kFirstLine || nr > kLastLine || nc < kFirstLine || nc > kLastLine)
                    continue;
                if (board[nr][nc].proposed != 0)
                    continue;
                for (int slot = 1; slot <= kHandSlots; ++slot) {
                    const int t = hand[slot];
                    if (t != 0 && canshareline(t, anchor) && fitsalone(t, nr, nc))
                        return true;
                }
            }
        }
    }
    return false;
}

}  // namespace hexaline::engine
