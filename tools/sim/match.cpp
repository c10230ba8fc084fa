// SPDX-License-Identifier: GPL-3.0-or-later
#include "match.h"

#include "engine/host.h"
#include "engine/virtual_outlet.h"
#include "invariants.h"
#include "protocol/message_table.h"
#include "protocol/reader.h"

namespace hexaline::sim {
namespace {

using namespace hexaline::engine;

constexpr long long kMaxRounds = 1000;

// Follows what seat 1 is told: accepted plays and the points they gave.
struct Watcher {
    Tally points{};
    bool played = false;
    long long plays = 0;
    long long rounds = 0;

    void see(int seat, const std::string& message) {
        if (seat != 1)
            return;
        const std::string body = message.substr(0, message.size() - 1);
        const auto command = protocol::splitCommand(body);
        if (!command)
            return;
        const auto id = protocol::lookup(protocol::Direction::ToClient, command->word);
        if (!id)
            return;
        if (*id == protocol::Msg::HisPlay) {
            protocol::Reader r(*id, command->args);
            const int who = r.number();
            r.number();
            points[who] += r.number();
            played = true;
            ++plays;
        } else if (*id == protocol::Msg::RanOut) {
            protocol::Reader r(*id, command->args);
            points[r.number()] += 10;  // the play's own points came with its CMD_hisplay
        } else if (*id == protocol::Msg::RoundStarting) {
            ++rounds;
        }
    }
};

}  // namespace

MatchSummary playmatches(const MatchOptions& options) {
    MatchSummary summary;
    Random random(options.seed);
    for (int game = 0; game < options.games; ++game) {
        VirtualOutlet outlet;
        outlet.keep = false;
        outlet.speed = 500;
        Host host(outlet, random);
        outlet.attach(host);
        std::array<BotLevel, kMaxPlayers + 1> seated{};
        if (!options.levels.empty()) {
            const std::size_t n = options.levels.size();
            for (int seat = 1; seat <= options.seats; ++seat) {
                seated[seat] = options.levels[(static_cast<std::size_t>(seat - 1) +
                                               static_cast<std::size_t>(game)) %
                                              n];
                host.setbotlevel(seat, seated[seat]);
            }
        }
        Watcher watcher;
        outlet.onSend = [&](int seat, const std::string& m) { watcher.see(seat, m); };
        // Seat 1 and seats 3, 4 need a client to take part; their players just watch, so the
        // computer plays every seat. Seat 2 takes part without one.
        for (int seat = 1; seat <= options.seats; ++seat)
            host.takeseat(options.seats);
        host.release(2);
        host.startgame("sim", std::to_string(options.playto), "30");
        for (int seat = 1; seat <= options.seats; ++seat) {
            if (seat == 2)
                continue;
            host.watch(seat, true);
            host.turnseatleft(seat);
        }
        while (host.gameon && outlet.step()) {
            if (!outlet.alerts.empty()) {
                summary.violation = "game " + std::to_string(game + 1) + ": the host showed \"" +
                                    outlet.alerts.front() + "\"";
                return summary;
            }
            if (watcher.played) {
                watcher.played = false;
                const std::string broken = checkinvariants(host, watcher.points);
                if (!broken.empty()) {
                    summary.violation = "game " + std::to_string(game + 1) + ", round " +
                                        std::to_string(host.roundno) + ": " + broken;
                    return summary;
                }
            }
            if (host.roundno > kMaxRounds) {
                summary.violation = "game " + std::to_string(game + 1) + " never ended";
                return summary;
            }
        }
        if (host.gameon) {
            summary.violation = "game " + std::to_string(game + 1) + " stopped without a winner";
            return summary;
        }
        int best = 0;
        int winner = 0;
        for (int seat = 1; seat <= kMaxPlayers; ++seat) {
            if (host.seats[seat].score > best) {
                best = host.seats[seat].score;
                winner = seat;
            }
        }
        std::array<bool, 3> present{};
        for (int seat = 1; seat <= options.seats; ++seat)
            present[static_cast<std::size_t>(seated[seat])] = true;
        for (std::size_t level = 0; level < present.size(); ++level)
            summary.byLevel[level].games += present[level];
        if (winner != 0)
            ++summary.byLevel[static_cast<std::size_t>(seated[winner])].wins;
        ++summary.games;
        summary.rounds += watcher.rounds;
        summary.plays += watcher.plays;
        summary.winningScores += best;
    }
    return summary;
}

}  // namespace hexaline::sim
