// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/players/moves.h"

#include <algorithm>

#include "engine/sets.h"

namespace hexaline::engine {
namespace {

constexpr int lineScore(int n) {
    return n < 2 ? 0 : (n == 6 ? 12 : n);
}

bool istileat(const Board& board, int r, int c) {
    const int v = board[r][c].committed;
    return v != 0 && v != kFrame;
}

// The search along one line: rows (across = false) or columns (across = true).
class LineSearch {
  public:
    // Lists the plays in `out`, or keeps only the best score of each line in `best`; only
    // the lines whose bit is set in `lines` are searched.
    LineSearch(const Board& board, const Hand& hand, std::vector<Move>* out, LineBest* best,
               bool columns, unsigned rows, unsigned lines)
        : board_(board),
          hand_(hand),
          out_(out),
          best_(best),
          columns_(columns),
          rows_(rows),
          lines_(lines) {
        for (int slot = 1; slot <= kHandSlots; ++slot)
            held_ += hand[slot] != 0;
    }

    void run() {
        for (int line = kFirstLine; line <= kLastLine; ++line) {
            if ((lines_ & (1u << line)) == 0)
                continue;
            line_ = line;
            prepare();
            if (skip_)
                continue;
            for (int s = kFirstLine; s <= kLastLine; ++s) {
                if (value(s) != 0)
                    continue;
                // The tiles on the board just before the start belong to the line.
                runlength_ = 0;
                int p = s - 1;
                while (p >= kFirstLine && value(p) != 0)
                    --p;
                bool ok = true;
                for (int q = p + 1; q < s && ok; ++q)
                    ok = push(value(q));
                if (!ok || (runlength_ == 0 && reach_[s] - s > held_))
                    continue;
                current_ = Move{};
                crossscore_ = 0;
                place(s, runlength_ > 0);
            }
        }
    }

  private:
    int value(int index) const {
        const int v = columns_ ? board_[index][line_].committed : board_[line_][index].committed;
        return v == kFrame ? 0 : v;
    }
    Placement square(int index) const {
        return columns_ ? Placement{index, line_} : Placement{line_, index};
    }

    // For every square of the line and hand slot: whether the tile fits its crossing line and
    // what that line scores; and how far the next square is that makes a play touch the board.
    void prepare() {
        const int dr = columns_ ? 0 : 1;
        const int dc = columns_ ? 1 : 0;
        bool any = false;
        for (int i = kFirstLine; i <= kLastLine; ++i) {
            const Placement at = square(i);
            touch_[i] = value(i) != 0 || istileat(board_, at.row - dr, at.column - dc) ||
                        istileat(board_, at.row + dr, at.column + dc);
            ready_[i] = false;
            any = any || touch_[i];
        }
        int next = kLastLine + 20;
        for (int i = kLastLine; i >= kFirstLine; --i) {
            if (touch_[i])
                next = i;
            reach_[i] = next;
        }
        skip_ = !any;
    }

    // Which hand tiles fit the crossing line of the empty square `i`, and what it scores;
    // worked out when the search first reaches the square.
    void ensure(int i) {
        if (ready_[i])
            return;
        ready_[i] = true;
        const Placement at = square(i);
        const int dr = columns_ ? 0 : 1;
        const int dc = columns_ ? 1 : 0;
        std::array<int, 8> cross{};
        std::array<int, 8> up{};
        int before = 0;
        int after = 0;
        int r = at.row - dr;
        int c = at.column - dc;
        while (before < 6 && istileat(board_, r, c)) {
            up[before++] = board_[r][c].committed;
            r -= dr;
            c -= dc;
        }
        for (int k = 0; k < before; ++k)
            cross[k] = up[before - 1 - k];
        r = at.row + dr;
        c = at.column + dc;
        while (before + after < 7 && istileat(board_, r, c)) {
            cross[before + 1 + after++] = board_[r][c].committed;
            r += dr;
            c += dc;
        }
        const int n = before + after + 1;
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const int t = hand_[slot];
            if (t == 0 || n > 6) {
                fits_[i][slot] = false;
            } else if (n == 1) {
                fits_[i][slot] = true;
            } else {
                cross[before] = t;
                fits_[i][slot] = lineisaset(std::span<const int>(cross.data(), n));
            }
        }
        crossvalue_[i] = lineScore(n);
    }

    bool push(int tile) {
        for (int k = 0; k < runlength_; ++k) {
            if (!canshareline(run_[k], tile))
                return false;
        }
        run_[runlength_++] = tile;
        return true;
    }

    int remaining() const { return held_ - current_.tiles; }

    // Lays a hand tile on the empty square `p` (each fitting slot in turn) and goes on.
    void place(int p, bool touched) {
        if (!touched && reach_[p] - p > remaining())
            return;
        ensure(p);
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            if (!fits_[p][slot] || (current_.slots & (1u << slot)) != 0)
                continue;
            const int saved = runlength_;
            if (!push(hand_[slot])) {
                runlength_ = saved;
                continue;
            }
            current_.placed[slot] = square(p);
            current_.slots |= 1u << slot;
            ++current_.tiles;
            crossscore_ += crossvalue_[p];
            advance(p + 1, touched || touch_[p]);
            crossscore_ -= crossvalue_[p];
            --current_.tiles;
            current_.slots &= ~(1u << slot);
            current_.placed[slot] = Placement{};
            runlength_ = saved;
        }
    }

    // Takes in the board tiles from `p` on, then records the play and tries to lay more.
    void advance(int p, bool touched) {
        const int saved = runlength_;
        while (p <= kLastLine && value(p) != 0) {
            if (!push(value(p))) {
                runlength_ = saved;
                return;
            }
            touched = true;
            ++p;
        }
        // A single tile is listed once, with the plays along its row, when that row is searched.
        if (touched && (!columns_ || current_.tiles > 1 || (rows_ & (1u << single())) == 0))
            record();
        if (p <= kLastLine && remaining() > 0)
            place(p, touched);
        runlength_ = saved;
    }

    // The row of the one tile laid.
    int single() const {
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            if (current_.placed[slot].row != 0)
                return current_.placed[slot].row;
        }
        return 0;
    }

    void record() {
        const int score = lineScore(runlength_) + crossscore_ + (current_.tiles == held_ ? 10 : 0);
        if (best_ != nullptr) {
            int& top = columns_ ? best_->column[line_] : best_->row[line_];
            top = std::max(top, score);
            return;
        }
        Move m = current_;
        m.score = score;
        out_->push_back(m);
    }

    const Board& board_;
    const Hand& hand_;
    std::vector<Move>* out_;
    LineBest* best_;
    bool columns_;
    unsigned rows_;
    unsigned lines_;
    int held_ = 0;
    int line_ = 0;
    std::array<std::array<bool, kHandSlots + 1>, kBoardSize> fits_{};
    std::array<int, kBoardSize> crossvalue_{};
    std::array<bool, kBoardSize> touch_{};
    std::array<int, kBoardSize> reach_{};
    std::array<bool, kBoardSize> ready_{};
    bool skip_ = false;
    std::array<int, 8> run_{};
    int runlength_ = 0;
    Move current_;
    int crossscore_ = 0;
};

void openingmoves(const Hand& hand, std::vector<Move>& out) {
    int held = 0;
    for (int slot = 1; slot <= kHandSlots; ++slot)
        held += hand[slot] != 0;
    for (unsigned mask = 1; mask < (1u << kHandSlots); ++mask) {
        std::array<int, kHandSlots> tiles{};
        Move m;
        bool ok = true;
        for (int slot = 1; slot <= kHandSlots && ok; ++slot) {
            if ((mask & (1u << (slot - 1))) == 0)
                continue;
            if (hand[slot] == 0) {
                ok = false;
                break;
            }
            for (int k = 0; k < m.tiles && ok; ++k)
                ok = canshareline(tiles[k], hand[slot]);
            tiles[m.tiles] = hand[slot];
            m.placed[slot] = {6, 4 + m.tiles};
            m.slots |= 1u << slot;
            ++m.tiles;
        }
        if (!ok)
            continue;
        m.score = lineScore(m.tiles) + (m.tiles == held ? 10 : 0);
        out.push_back(m);
    }
}

}  // namespace

void legalmoves(const Board& board, const Hand& hand, bool firstplay, std::vector<Move>& out) {
    out.clear();
    if (firstplay) {
        openingmoves(hand, out);
        return;
    }
    LineSearch(board, hand, &out, nullptr, false, kAllLines, kAllLines).run();
    LineSearch(board, hand, &out, nullptr, true, kAllLines, kAllLines).run();
}

void bestbyline(const Board& board, const Hand& hand, unsigned rows, unsigned columns,
                LineBest& best) {
    best = LineBest{};
    LineSearch(board, hand, nullptr, &best, false, rows, rows).run();
    LineSearch(board, hand, nullptr, &best, true, rows, columns).run();
}

}  // namespace hexaline::engine
