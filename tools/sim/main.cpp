// SPDX-License-Identifier: GPL-3.0-or-later
// hexaline-sim: plays whole games with the computer on every seat and checks every play.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "match.h"
#include "protocol/reader.h"

namespace {

using hexaline::engine::BotLevel;

// On `out`: stdout for --help, stderr after a wrong command line.
int usage(std::FILE* out = stderr) {
    std::fputs(
        "usage: hexaline-sim --games N [--seed S] [--seats 2..4] [--playto P]\n"
        "                    [--levels L1,L2,...]   (normal, strong or best; one a seat)\n"
        "       hexaline-sim --help | --version\n",
        out);
    return 2;
}

// "strong,best" as levels; false when a name is unknown or there are not 2..4.
bool readLevels(const std::string& text, std::vector<BotLevel>& out) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto level = hexaline::engine::parsebotlevel(text.substr(start, comma - start));
        if (!level)
            return false;
        out.push_back(*level);
        start = comma + 1;
    }
    return out.size() >= 2 && out.size() <= 4;
}

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
    hexaline::sim::MatchOptions options;
    bool gamesGiven = false;
    bool seatsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--version") {
            std::printf("hexaline-sim %s\n", HEXALINE_VERSION);
            return 0;
        }
        if (flag == "--help") {
            usage(stdout);
            return 0;
        }
        if (i + 1 >= argc)
            return usage();
        if (flag == "--levels") {
            if (!readLevels(argv[++i], options.levels))
                return usage();
            continue;
        }
        const auto value = hexaline::protocol::parseNumber(argv[++i]);
        if (!value)
            return usage();
        if (flag == "--games" && *value >= 0) {
            options.games = *value;
            gamesGiven = true;
        } else if (flag == "--seed") {
            options.seed = static_cast<std::uint32_t>(*value);
        } else if (flag == "--seats" && *value >= 2 && *value <= 4) {
            options.seats = *value;
            seatsGiven = true;
        } else if (flag == "--playto") {
            options.playto = *value;
        } else {
            return usage();
        }
    }
    if (!gamesGiven)
        return usage();
    if (!options.levels.empty()) {
        const int n = static_cast<int>(options.levels.size());
        if (seatsGiven && options.seats != n)
            return usage();
        options.seats = n;
    }

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
