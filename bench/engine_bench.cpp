// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the computer's move and of the can-move check on a crowded board.
#include <benchmark/benchmark.h>

#include "engine/host.h"
#include "engine/players/normal.h"
#include "engine/virtual_outlet.h"
#include "support/reference_search.h"

namespace {

using namespace hexaline::engine;

int tilesonboard(const Host& host) {
    int n = 0;
    for (int r = kFirstLine; r <= kLastLine; ++r) {
        for (int c = kFirstLine; c <= kLastLine; ++c)
            n += host.board[r][c].committed != 0;
    }
    return n;
}

// A two-seat computer game stopped once the board holds `crowd` tiles, on a computer turn.
struct Crowded {
    VirtualOutlet outlet;
    Random random{99};
    Host host{outlet, random};

    explicit Crowded(int crowd) {
        outlet.keep = false;
        outlet.attach(host);
        host.takeseat(1);
        host.startgame("b", "1000", "30");
        host.watch(1, true);
        host.turnseatleft(1);
        while (outlet.step()) {
            if (tilesonboard(host) >= crowd && host.turnstate == TurnState::Play &&
                outlet.computerArmed()) {
                break;
            }
        }
    }
};

void BM_computerplay(benchmark::State& state) {
    Crowded position(static_cast<int>(state.range(0)));
    const HostTables saved = position.host;
    const int seat = position.host.currentplayer;
    for (auto _ : state) {
        position.host.computerplay(seat);
        position.host.restore(saved);
    }
    state.counters["tiles"] = tilesonboard(position.host);
}
BENCHMARK(BM_computerplay)->Arg(40)->Arg(60)->Unit(benchmark::kMicrosecond);

void BM_computerchoiceLiteral(benchmark::State& state) {
    Crowded position(static_cast<int>(state.range(0)));
    const int seat = position.host.currentplayer;
    for (auto _ : state)
        benchmark::DoNotOptimize(hexaline::support::computerchoiceLiteral(position.host, seat));
}
BENCHMARK(BM_computerchoiceLiteral)->Arg(60)->Unit(benchmark::kMicrosecond);

void BM_checkformoveStuck(benchmark::State& state) {
    Crowded position(static_cast<int>(state.range(0)));
    Host& host = position.host;
    const int seat = host.currentplayer;
    // A hand that fits nowhere: six tiles of kinds the board shows no room for.
    Random pick(5);
    bool stuck = false;
    HostTables trial = host;
    for (int attempt = 0; attempt < 100000 && !stuck; ++attempt) {
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            trial.seats[seat].hand[slot] = static_cast<int>(pick.next(kTileCount)) + 1;
        }
        host.restore(trial);
        stuck = !host.checkformove(seat);
    }
    if (!stuck) {
        state.SkipWithError("no stuck hand found");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(host.checkformove(seat));
}
BENCHMARK(BM_checkformoveStuck)->Arg(60)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
