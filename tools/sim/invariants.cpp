// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

#include <vector>

namespace hexaline::sim {
namespace {

using namespace hexaline::engine;

// One colour with distinct shapes, or one shape with distinct colours; at most six.
bool validline(const std::vector<int>& tiles) {
    if (tiles.size() <= 1)
        return true;
    if (tiles.size() > 6)
        return false;
    bool onecolour = true;
    bool oneshape = true;
    unsigned colours = 0;
    unsigned shapes = 0;
    bool colourtwice = false;
    bool shapetwice = false;
    for (int t : tiles) {
        onecolour = onecolour && colourof(t) == colourof(tiles[0]);
        oneshape = oneshape && getshape(t) == getshape(tiles[0]);
        colourtwice = colourtwice || (colours & (1u << colourof(t)));
        shapetwice = shapetwice || (shapes & (1u << getshape(t)));
        colours |= 1u << colourof(t);
        shapes |= 1u << getshape(t);
    }
    return (onecolour && !shapetwice) || (oneshape && !colourtwice);
}

std::string at(int r, int c) {
    std::string text = "(";
    text += std::to_string(r);
    text += ", ";
    text += std::to_string(c);
    text += ')';
    return text;
}

}  // namespace

std::string checkinvariants(const HostTables& host, const Tally& points) {
    std::array<int, kTileCount + 1> seen{};
    auto count = [&](int code, const char* kind, int a, int b) -> std::string {
        if (istile(code)) {
            ++seen[code];
            return {};
        }
        return "tile code " + std::to_string(code) + " at " + kind + " " + at(a, b);
    };
    for (int p = host.drawn + 1; p <= kTileCount; ++p) {
        if (auto e = count(host.bag[p], "bag position", p, 0); !e.empty())
            return e;
    }
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            const int t = host.seats[seat].hand[slot];
            if (t == 0)
                continue;
            if (auto e = count(t, "seat and slot", seat, slot); !e.empty()) {
                return e;
            }
        }
    }
    for (int r = 0; r < kBoardSize; ++r) {
        for (int c = 0; c < kBoardSize; ++c) {
            const Square& sq = host.board[r][c];
            if (sq.proposed != sq.committed)
                return "proposed differs from committed at " + at(r, c);
            const bool frame = r == 0 || c == 0 || r == kBoardSize - 1 || c == kBoardSize - 1;
            if (frame) {
                if (sq.committed != kFrame)
                    return "frame broken at " + at(r, c);
                continue;
            }
            if (sq.committed != 0) {
                if (auto e = count(sq.committed, "square", r, c); !e.empty())
                    return e;
            }
        }
    }
    for (int code = 1; code <= kTileCount; ++code) {
        if (seen[code] != 1) {
            return "tile " + std::to_string(code) + " held " + std::to_string(seen[code]) +
                   " times";
        }
    }
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        if (host.seats[seat].score != points[seat]) {
            return "seat " + std::to_string(seat) + " scores " +
                   std::to_string(host.seats[seat].score) + " but was given " +
                   std::to_string(points[seat]);
        }
    }
    for (int across = 0; across < 2; ++across) {
        for (int line = kFirstLine; line <= kLastLine; ++line) {
            std::vector<int> run;
            for (int i = kFirstLine; i <= kLastLine + 1; ++i) {
                const int v = i > kLastLine ? 0
                              : across == 0 ? host.board[line][i].committed
                                            : host.board[i][line].committed;
                if (v != 0) {
                    run.push_back(v);
                    continue;
                }
                if (!validline(run)) {
                    return std::string(across == 0 ? "row " : "column ") + std::to_string(line) +
                           " holds an invalid line ending at " + std::to_string(i - 1);
                }
                run.clear();
            }
        }
    }
    return {};
}

}  // namespace hexaline::sim
