// SPDX-License-Identifier: GPL-3.0-or-later
// The Strong computer player.
//
// Method: a look-ahead of one reply over sampled hands.
// 1. Every legal play of the hand is listed with its exact score (the search the Best-score
//    player uses) and ranked by that score plus the worth of the tiles it keeps (a charge for
//    each pair of kept tiles of one kind, which can never share a line).
// 2. The best-ranked plays are judged in full. The tiles this seat has not seen (108 less the
//    board and its own hand) form a pool; a few hands for the next opponent are drawn from it
//    with a generator seeded from the board and the hand, so the same position always gets
//    the same hands. For each hand the opponent's best reply is found: along the rows and
//    columns the play does not touch it is the best reply on the board as it stands, worked
//    out once per hand; along the rows and columns around the play it is searched again on
//    the board with the play laid. A play that empties the hand ends the round: no reply.
// 3. A play's value is its score, plus the kept tiles' worth, less the opponent's average
//    best reply, plus a credit for a line of five whose sixth tile this seat keeps and the
//    opponents are unlikely to hold. The highest value is played.
// On a round's first play the board is empty and the best-ranked play is laid.
// With the bag empty and one opponent left, the pool is exactly that opponent's hand, so the
// reply is exact. The player reads only the board, its own hand, the number of tiles left in
// the bag and which seats take part in the round: never the bag's order or another hand.
#include "engine/players/strong.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "engine/sets.h"

namespace hexaline::engine {
namespace {

using Kinds = std::array<int, kKinds>;

constexpr int lineScore(int n) {
    return n < 2 ? 0 : (n == 6 ? 12 : n);
}

bool istileat(const Board& board, int r, int c) {
    const int v = board[r][c].committed;
    return v != 0 && v != kFrame;
}

// A tile code of the kind with this colour (0..5) and shape (1..6).
constexpr int codeof(int colour, int shape) {
    const int c = colour == 0 ? 6 : colour;
    return (shape - 1) * 6 + c;
}

// The chance that a hand of `drawn` tiles out of `pool` unseen tiles holds at least one of
// `copies` given tiles.
double chanceheld(int copies, int pool, int drawn) {
    if (copies <= 0 || pool <= 0 || drawn <= 0)
        return 0.0;
    if (drawn >= pool)
        return 1.0;
    double none = 1.0;
    for (int i = 0; i < drawn; ++i) {
        none *= static_cast<double>(pool - copies - i) / static_cast<double>(pool - i);
        if (none <= 0.0)
            return 1.0;
    }
    return 1.0 - none;
}

struct Context {
    Kinds unseen{};
    int pool = 0;
    int opponents = 0;
    int opponenthand = 6;
};

class Judge {
  public:
    Judge(const Board& board, const Context& context, const StrongPlayer::Weights& weights)
        : board_(board), context_(context), weights_(weights) {}

    // The worth of the tiles kept.
    double kept(const Hand& hand, unsigned played) const {
        std::array<int, kHandSlots> tiles{};
        int n = 0;
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            if (hand[slot] != 0 && (played & (1u << slot)) == 0)
                tiles[n++] = hand[slot];
        }
        double worth = 0;
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < i; ++j) {
                if (kindof(tiles[i]) == kindof(tiles[j]))
                    worth -= weights_.duplicate;
                else if (canshareline(tiles[i], tiles[j]))
                    worth += weights_.pair;
            }
        }
        return worth;
    }

    // The open lines the play leaves, charged or credited.
    double lines(const Move& move, const Hand& hand) {
        after_ = board_;
        Kinds mine{};
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const Placement p = move.placed[slot];
            if (p.row != 0)
                after_[p.row][p.column].committed = hand[slot];
            else if (hand[slot] != 0)
                ++mine[kindof(hand[slot])];
        }
        double worth = 0;
        seen_ = 0;
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const Placement p = move.placed[slot];
            if (p.row == 0)
                continue;
            worth += line(p.row, p.column, 1, 0, mine);
            worth += line(p.row, p.column, 0, 1, mine);
        }
        return worth;
    }

  private:
    // The line through (r, c) along (dr, dc), judged once per play.
    double line(int r, int c, int dr, int dc, const Kinds& mine) {
        int lr = r;
        int lc = c;
        while (istileat(after_, lr - dr, lc - dc)) {
            lr -= dr;
            lc -= dc;
        }
        const int key = (lr * kBoardSize + lc) * 2 + (dr != 0 ? 1 : 0);
        for (int i = 0; i < seen_; ++i) {
            if (seenkeys_[i] == key)
                return 0;
        }
        if (seen_ < static_cast<int>(seenkeys_.size()))
            seenkeys_[seen_++] = key;
        std::array<int, 6> tiles{};
        int n = 0;
        int er = lr;
        int ec = lc;
        while (istileat(after_, er, ec) && n < 6) {
            tiles[n++] = after_[er][ec].committed;
            er += dr;
            ec += dc;
        }
        if (n < 4 || n > 5)
            return 0;
        // The kinds that could join: a colour line wants its missing shapes, a shape line its
        // missing colours.
        const bool colourline = colourof(tiles[0]) == colourof(tiles[1]);
        std::array<bool, 7> present{};
        for (int i = 0; i < n; ++i)
            present[colourline ? getshape(tiles[i]) : colourof(tiles[i])] = true;
        std::array<int, 2> wanted{};
        int w = 0;
        for (int v = colourline ? 1 : 0; v <= (colourline ? 6 : 5); ++v) {
            if (!present[v] && w < 2) {
                wanted[w++] =
                    colourline ? codeof(colourof(tiles[0]), v) : codeof(v, getshape(tiles[0]));
            }
        }
        const std::array<std::array<int, 2>, 2> ends{{{lr - dr, lc - dc}, {er, ec}}};
        if (n == 4) {
            // Two more tiles make it six: charged by the chance that one hand holds both.
            bool open = false;
            for (const auto& end : ends)
                open = open || after_[end[0]][end[1]].committed == 0;
            if (!open || w < 2)
                return 0;
            return -weights_.four * taken(wanted[0]) * taken(wanted[1]) * 12;
        }
        double worth = 0;
        for (const auto& end : ends) {
            if (after_[end[0]][end[1]].committed != 0)
                continue;
            for (int k = 0; k < w; ++k) {
                const int cross = crossfit(end[0], end[1], dc, dr, wanted[k]);
                if (cross < 0)
                    continue;
                const double chance = taken(wanted[k]);
                const double points = 12 + cross;
                worth -= weights_.threat * chance * points;
                if (mine[kindof(wanted[k])] > 0)
                    worth += weights_.own * (1.0 - chance) * points;
            }
        }
        return worth;
    }

    // The chance that an opponent holds a tile of the kind of `tile`.
    double taken(int tile) const {
        const double one =
            chanceheld(context_.unseen[kindof(tile)], context_.pool, context_.opponenthand);
        return 1.0 - std::pow(1.0 - one, context_.opponents);
    }

    // The crossing line's score if `tile` fits at the empty (r, c) across (dr, dc); -1 if not.
    int crossfit(int r, int c, int dr, int dc, int tile) const {
        std::array<int, 8> cross{};
        int lr = r;
        int lc = c;
        while (istileat(after_, lr - dr, lc - dc)) {
            lr -= dr;
            lc -= dc;
        }
        int n = 0;
        while (n < 7) {
            if (lr == r && lc == c) {
                cross[n++] = tile;
            } else if (istileat(after_, lr, lc)) {
                cross[n++] = after_[lr][lc].committed;
            } else {
                break;
            }
            lr += dr;
            lc += dc;
        }
        if (n > 6 || !lineisaset(std::span<const int>(cross.data(), n)))
            return -1;
        return n >= 2 ? lineScore(n) : 0;
    }

    const Board& board_;
    const Context& context_;
    const StrongPlayer::Weights& weights_;
    Board after_{};
    std::array<int, 16> seenkeys_{};
    int seen_ = 0;
};

}  // namespace

namespace {

// A generator seeded from what the seat can see, so that a position always gets the same
// samples.
struct Mixer {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

std::uint64_t seenhash(const Board& board, const Hand& hand) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&](int v) {
        h ^= static_cast<std::uint64_t>(v + 1);
        h *= 1099511628211ull;
    };
    for (int r = kFirstLine; r <= kLastLine; ++r) {
        for (int c = kFirstLine; c <= kLastLine; ++c)
            mix(board[r][c].committed);
    }
    for (int slot = 1; slot <= kHandSlots; ++slot)
        mix(hand[slot]);
    return h;
}

// The rows (or columns) from lo - 1 to hi + 1 within the playing area, as line bits.
unsigned around(int lo, int hi) {
    unsigned bits = 0;
    for (int i = std::max(kFirstLine, lo - 1); i <= std::min(kLastLine, hi + 1); ++i)
        bits |= 1u << i;
    return bits;
}

}  // namespace

std::string StrongPlayer::choose(const SeatView& view) {
    const int seat = view.seat();
    const Board& board = view.board();
    const Hand& hand = view.hand();
    const bool opening = view.firstplay();
    int held = 0;
    for (int slot = 1; slot <= kHandSlots; ++slot)
        held += hand[slot] != 0;
    legalmoves(board, hand, opening, moves_);
    if (moves_.empty())
        return {};

    Context context;
    context.unseen.fill(3);
    for (int r = kFirstLine; r <= kLastLine; ++r) {
        for (int c = kFirstLine; c <= kLastLine; ++c) {
            if (istileat(board, r, c))
                --context.unseen[kindof(board[r][c].committed)];
        }
    }
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (hand[slot] != 0)
            --context.unseen[kindof(hand[slot])];
    }
    for (int k = 0; k < kKinds; ++k) {
        context.unseen[k] = std::max(context.unseen[k], 0);
        context.pool += context.unseen[k];
    }
    for (int s = 1; s <= kMaxPlayers; ++s)
        context.opponents += s != seat && view.inround(s);
    if (context.opponents > 0)
        context.opponenthand = std::min(kHandSlots, context.pool / context.opponents);

    Judge judge(board, context, weights_);
    std::vector<std::pair<double, std::size_t>> ranked;
    ranked.reserve(moves_.size());
    for (std::size_t i = 0; i < moves_.size(); ++i)
        ranked.emplace_back(moves_[i].score + judge.kept(hand, moves_[i].slots), i);
    const std::size_t keep =
        std::min<std::size_t>(ranked.size(), static_cast<std::size_t>(weights_.shortlist));
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(keep),
                      ranked.end(), [](const auto& a, const auto& b) {
                          return a.first > b.first || (a.first == b.first && a.second < b.second);
                      });
    if (opening || context.opponents == 0 || context.opponenthand == 0)
        return playtext(seat, moves_[ranked[0].second].placed);

    // Hands the next opponent may hold, drawn from the unseen tiles; with the bag empty and
    // one opponent left that is its hand exactly.
    std::vector<int> pool;
    for (int k = 0; k < kKinds; ++k) {
        for (int copy = 0; copy < context.unseen[k]; ++copy)
            pool.push_back(k == 0 ? kKinds : k);
    }
    const bool exact = view.tilesleft() == 0 && context.opponents == 1 &&
                       static_cast<int>(pool.size()) <= kHandSlots;
    const int samples = exact ? 1 : weights_.samples;
    Mixer mixer{seenhash(board, hand) ^ static_cast<std::uint64_t>(seat)};
    hands_.assign(static_cast<std::size_t>(samples), Hand{});
    base_.assign(static_cast<std::size_t>(samples), LineBest{});
    for (int s = 0; s < samples; ++s) {
        Hand& sample = hands_[static_cast<std::size_t>(s)];
        const int n = std::min<int>(context.opponenthand, static_cast<int>(pool.size()));
        for (int i = 0; i < n; ++i) {
            const std::size_t j = static_cast<std::size_t>(i) +
                                  mixer.next() % (pool.size() - static_cast<std::size_t>(i));
            std::swap(pool[static_cast<std::size_t>(i)], pool[j]);
            sample[i + 1] = pool[static_cast<std::size_t>(i)];
        }
        bestbyline(board, sample, kAllLines, kAllLines, base_[static_cast<std::size_t>(s)]);
    }

    std::size_t best = ranked[0].second;
    double bestvalue = -1e18;
    Board after{};
    LineBest local;
    for (std::size_t i = 0; i < keep; ++i) {
        const Move& m = moves_[ranked[i].second];
        double value = ranked[i].first;
        if (m.tiles < held) {
            after = board;
            int lorow = kLastLine;
            int hirow = kFirstLine;
            int locol = kLastLine;
            int hicol = kFirstLine;
            for (int slot = 1; slot <= kHandSlots; ++slot) {
                const Placement p = m.placed[slot];
                if (p.row == 0)
                    continue;
                after[p.row][p.column].committed = hand[slot];
                lorow = std::min(lorow, p.row);
                hirow = std::max(hirow, p.row);
                locol = std::min(locol, p.column);
                hicol = std::max(hicol, p.column);
            }
            const unsigned rows = around(lorow, hirow);
            const unsigned columns = around(locol, hicol);
            double replies = 0;
            for (int s = 0; s < samples; ++s) {
                const LineBest& base = base_[static_cast<std::size_t>(s)];
                bestbyline(after, hands_[static_cast<std::size_t>(s)], rows, columns, local);
                int reply = 0;
                for (int line = kFirstLine; line <= kLastLine; ++line) {
                    const bool row = (rows & (1u << line)) != 0;
                    const bool column = (columns & (1u << line)) != 0;
                    reply = std::max(reply, row ? local.row[line] : base.row[line]);
                    reply = std::max(reply, column ? local.column[line] : base.column[line]);
                }
                replies += reply;
            }
            value -= weights_.reply * replies / samples;
            value += judge.lines(m, hand);
        }
        if (value > bestvalue) {
            bestvalue = value;
            best = ranked[i].second;
        }
    }
    return playtext(seat, moves_[best].placed);
}

}  // namespace hexaline::engine
