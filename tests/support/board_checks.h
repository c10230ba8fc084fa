// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks of the host's board worked out independently of the engine's own search: whether a
// seat holds a tile that fits somewhere, and whether a play under test was left on the board.

#include <string>
#include <utility>
#include <vector>

#include "engine/tables.h"

namespace hexaline::support {

// A line of tiles is a set: one colour with all shapes different, or one shape with all colours
// different, six at most.
inline bool isSet(const std::vector<int>& line) {
    if (line.size() <= 1)
        return true;
    if (line.size() > 6)
        return false;
    bool sameColour = true, sameShape = true;
    for (std::size_t i = 1; i < line.size(); ++i) {
        sameColour = sameColour && engine::colourof(line[i]) == engine::colourof(line[0]);
        sameShape = sameShape && engine::getshape(line[i]) == engine::getshape(line[0]);
    }
    if (sameColour == sameShape)
        return false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const bool twice = sameColour ? engine::getshape(line[i]) == engine::getshape(line[j])
                                          : engine::colourof(line[i]) == engine::colourof(line[j]);
            if (twice)
                return false;
        }
    }
    return true;
}

// Whether `tile` can be laid alone on the free square (r, c) next to a tile of the board,
// worked out from the committed board alone.
inline bool fitsAt(const engine::Board& board, int tile, int r, int c) {
    auto at = [&](int row, int col) {
        const int v = board[row][col].committed;
        return v == engine::kFrame ? 0 : v;
    };
    if (at(r, c) != 0 || board[r][c].committed == engine::kFrame)
        return false;
    if (!at(r - 1, c) && !at(r + 1, c) && !at(r, c - 1) && !at(r, c + 1))
        return false;
    for (const auto& [dr, dc] : {std::pair{1, 0}, std::pair{0, 1}}) {
        std::vector<int> line{tile};
        for (int k = 1; at(r - k * dr, c - k * dc); ++k)
            line.push_back(at(r - k * dr, c - k * dc));
        for (int k = 1; at(r + k * dr, c + k * dc); ++k)
            line.push_back(at(r + k * dr, c + k * dc));
        if (!isSet(line))
            return false;
    }
    return true;
}

// What a seat could lay, if anything: a hand tile that fits a free square.
inline std::string aTileThatFits(const engine::HostTables& tables, int seat) {
    for (int slot = 1; slot <= engine::kHandSlots; ++slot) {
        const int tile = tables.seats[seat].hand[slot];
        if (tile == 0)
            continue;
        for (int r = engine::kFirstLine; r <= engine::kLastLine; ++r)
            for (int c = engine::kFirstLine; c <= engine::kLastLine; ++c)
                if (fitsAt(tables.board, tile, r, c))
                    return "tile " + std::to_string(tile) + " fits at " + std::to_string(r) + "," +
                           std::to_string(c);
    }
    return "";
}

// A seat of the round that could still lay a tile, as text; empty when none can. On a round's
// first play every seat can.
inline std::string aSeatThatCanMove(const engine::HostTables& tables) {
    if (tables.firstplay == 1)
        return "the round's first play is still to come";
    for (int seat = 1; seat <= engine::kMaxPlayers; ++seat) {
        if (!tables.seats[seat].inround)
            continue;
        const std::string fits = aTileThatFits(tables, seat);
        if (!fits.empty())
            return "seat " + std::to_string(seat) + ": " + fits;
    }
    return "";
}

// Whether a seat of the round holds no tile at all: it ran out.
inline bool aSeatRanOut(const engine::HostTables& tables) {
    for (int seat = 1; seat <= engine::kMaxPlayers; ++seat) {
        if (!tables.seats[seat].inround)
            continue;
        bool holds = false;
        for (int slot = 1; slot <= engine::kHandSlots; ++slot)
            holds = holds || tables.seats[seat].hand[slot] != 0;
        if (!holds)
            return true;
    }
    return false;
}

// Every square's trial value is its committed one: no play under test is left behind.
inline std::string trialLeftOnBoard(const engine::HostTables& tables) {
    for (int r = 0; r < engine::kBoardSize; ++r)
        for (int c = 0; c < engine::kBoardSize; ++c)
            if (tables.board[r][c].proposed != tables.board[r][c].committed)
                return "trial tile " + std::to_string(tables.board[r][c].proposed) + " left at " +
                       std::to_string(r) + "," + std::to_string(c);
    return "";
}

}  // namespace hexaline::support
