// hexaline-sim: plays whole games with the computer on every seat and checks every play.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "match.h"
#include "protocol/reader.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: hexaline-sim --games N [--seed S] [--seats 2..4] [--playto P]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    hexaline::sim::MatchOptions options;
    bool gamesGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--version") {
            std::printf("hexaline-sim %s\n", HEXALINE_VERSION);
            return 0;
        }
        if (flag == "--help") {
            usage();
            return 0;
        }
        if (i + 1 >= argc)
            return usage();
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
        } else if (flag == "--playto") {
            options.playto = *value;
        } else {
            return usage();
        }
    }
    if (!gamesGiven)
        return usage();

    // Processor time, so that other work on the machine does not count against the games.
    const std::clock_t start = std::clock();
    const hexaline::sim::MatchSummary s = hexaline::sim::playmatches(options);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    const double average = s.games > 0 ? static_cast<double>(s.winningScores) / s.games : 0.0;
    std::printf(
        "games %d, rounds %lld, plays %lld, average winning score %.1f, %.0f games/s of processor "
        "time\n",
        s.games, s.rounds, s.plays, average, seconds > 0 ? s.games / seconds : 0.0);
    if (!s.violation.empty()) {
        std::fprintf(stderr, "violation: %s\n", s.violation.c_str());
        return 1;
    }
    return 0;
}
