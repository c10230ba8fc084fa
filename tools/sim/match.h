#pragma once
// Whole games in memory with the computer on every seat, checked after every accepted play.

#include <cstdint>
#include <string>

namespace hexaline::sim {

struct MatchOptions {
    int games = 100;
    std::uint32_t seed = 1;
    int seats = 2;  // 2..4
    int playto = 100;
};

struct MatchSummary {
    int games = 0;
    long long rounds = 0;
    long long plays = 0;
    long long winningScores = 0;
    std::string violation;  // empty when every check held
};

MatchSummary playmatches(const MatchOptions& options);

}  // namespace hexaline::sim
