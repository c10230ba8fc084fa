// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole games in memory with the computer on every seat, checked after every accepted play.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/players/player.h"

namespace hexaline::sim {

struct MatchOptions {
    int games = 100;
    std::uint32_t seed = 1;
    int seats = 2;  // 2..4
    int playto = 100;
    // The computer's level on each seat, seat 1 first; empty = Normal everywhere. Game g
    // turns the list by g places, so each level sits first in turn.
    std::vector<engine::BotLevel> levels;
};

// Games played and won by the seats of one level.
struct LevelTally {
    int games = 0;
    int wins = 0;
};

struct MatchSummary {
    int games = 0;
    long long rounds = 0;
    long long plays = 0;
    long long winningScores = 0;
    std::array<LevelTally, 3> byLevel{};  // indexed by BotLevel
    std::string violation;                // empty when every check held
};

MatchSummary playmatches(const MatchOptions& options);

}  // namespace hexaline::sim
