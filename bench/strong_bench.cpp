// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the Strong and Best-score computer players' moves on crowded boards: the median and
// the slowest of 10,000 moves, each on its own position.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "engine/host.h"
#include "engine/players/best.h"
#include "engine/players/strong.h"
#include "engine/virtual_outlet.h"

namespace {

using namespace hexaline::engine;

// This thread's processor time in microseconds: what a move costs, whatever else the machine
// runs meanwhile.
double threadmicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

int tilesonboard(const HostTables& host) {
    int n = 0;
    for (int r = kFirstLine; r <= kLastLine; ++r) {
        for (int c = kFirstLine; c <= kLastLine; ++c)
            n += host.board[r][c].committed != 0;
    }
    return n;
}

// Positions from two-seat Strong games, taken on computer turns once the board holds at
// least `crowd` tiles.
std::vector<HostTables> crowdedpositions(int crowd, std::size_t count) {
    std::vector<HostTables> positions;
    Random random(4242);
    while (positions.size() < count) {
        VirtualOutlet outlet;
        outlet.keep = false;
        Host host(outlet, random);
        outlet.attach(host);
        host.setbotlevel(BotLevel::Strong);
        host.takeseat(1);
        host.startgame("b", "300", "30");
        host.watch(1, true);
        host.turnseatleft(1);
        while (host.gameon && outlet.step() && positions.size() < count) {
            if (host.turnstate == TurnState::Play && outlet.computerArmed() &&
                tilesonboard(host) >= crowd) {
                positions.push_back(host);
            }
        }
    }
    return positions;
}

template <typename P>
void movetimes(benchmark::State& state) {
    const auto positions = crowdedpositions(static_cast<int>(state.range(0)), 10000);
    VirtualOutlet outlet;
    Random random(1);
    Host host(outlet, random);
    P player;
    std::vector<double> wall;
    std::vector<double> cpu;
    for (auto _ : state) {
        wall.clear();
        cpu.clear();
        for (const HostTables& position : positions) {
            host.restore(position);
            const double cpustart = threadmicros();
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(player.choose(host.seatview(host.currentplayer)));
            const auto end = std::chrono::steady_clock::now();
            cpu.push_back(threadmicros() - cpustart);
            wall.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    state.counters["moves"] = static_cast<double>(wall.size());
    state.counters["median_us"] = wall[wall.size() / 2];
    state.counters["slowest_us"] = wall.back();
    state.counters["cpu_median_us"] = cpu[cpu.size() / 2];
    state.counters["cpu_slowest_us"] = cpu.back();
}

void BM_strongmove(benchmark::State& state) {
    movetimes<StrongPlayer>(state);
}
BENCHMARK(BM_strongmove)->Arg(40)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_bestscoremove(benchmark::State& state) {
    movetimes<BestScorePlayer>(state);
}
BENCHMARK(BM_bestscoremove)->Arg(40)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
