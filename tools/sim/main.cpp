// SPDX-License-Identifier: GPL-3.0-or-later
// hexaline-sim: plays whole games with the computer on every seat and checks every play.
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

#include "match.h"
#include "sim_options.h"

namespace {

using hexaline::engine::BotLevel;

// The Wilson score interval at 95 % for `wins` out of `games`, in per cent.
void wilson(int wins, int games, double& low, double& high) {
    const double z = 1.959964;
    const double n = games;
    const double p = wins / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    low = 100 * (centre - half);
    high = 100 * (centre + half);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const hexaline::sim::SimCommand command = hexaline::sim::parseSimCommand(arguments);
    switch (command.action) {
        case hexaline::sim::SimCommand::Action::Version:
            std::printf("hexaline-sim %s\n", HEXALINE_VERSION);
            return 0;
        case hexaline::sim::SimCommand::Action::Help:
            std::fputs(hexaline::sim::simUsage(), stdout);
            return 0;
        case hexaline::sim::SimCommand::Action::Usage:
            std::fputs(hexaline::sim::simUsage(), stderr);
            return 2;
        case hexaline::sim::SimCommand::Action::Play:
            break;
    }
    const hexaline::sim::MatchOptions& options = command.options;

    // Processor time, so that other work on the machine does not count against the games.
    const std::clock_t start = std::clock();
    const hexaline::sim::MatchSummary s = hexaline::sim::playmatches(options);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    const double average = s.games > 0 ? static_cast<double>(s.winningScores) / s.games : 0.0;
    std::printf(
        "games %d, rounds %lld, plays %lld, average winning score %.1f, %.0f games/s of processor "
        "time\n",
        s.games, s.rounds, s.plays, average, seconds > 0 ? s.games / seconds : 0.0);
    if (!options.levels.empty()) {
        for (BotLevel level : {BotLevel::Strong, BotLevel::Best, BotLevel::Normal}) {
            const auto& t = s.byLevel[static_cast<std::size_t>(level)];
            if (t.games == 0)
                continue;
            double low = 0;
            double high = 0;
            wilson(t.wins, t.games, low, high);
            std::printf("%-6s won %d of %d games: %.1f%% (95%% interval %.1f%% to %.1f%%)\n",
                        std::string(hexaline::engine::botlevelname(level)).c_str(), t.wins, t.games,
                        100.0 * t.wins / t.games, low, high);
        }
    }
    if (!s.violation.empty()) {
        std::fprintf(stderr, "violation: %s\n", s.violation.c_str());
        return 1;
    }
    return 0;
}
