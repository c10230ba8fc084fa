// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play round trip that the host benchmarks measure, to four seated players.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"

namespace hexaline::bench {

// Ten games of the seated players, every seat played by its client as fast as it can: the time
// from a play sent to its CMD_hisplay at all four players, as counters p50_ms, p99_ms and max_ms.
inline void measurePlayRoundTrips(benchmark::State& state,
                                  std::vector<std::unique_ptr<support::RawClient>>& players) {
    using protocol::Msg;
    QElapsedTimer clock;
    clock.start();
    std::int64_t sentAt = 0;
    int arrived = 0;
    std::vector<double> samples;
    for (auto& p : players) {
        p->setAutoPlay(true);
        p->onPlay = [&] {
            sentAt = clock.nsecsElapsed();
            arrived = 0;
        };
        p->onMessage = [&](const std::string& m) {
            if (isMessage(m, Msg::HisPlay) && ++arrived == 4)
                samples.push_back(static_cast<double>(clock.nsecsElapsed() - sentAt) / 1e6);
        };
    }
    for (auto _ : state) {
        for (int game = 0; game < 10; ++game) {
            for (auto& p : players)
                p->forget();
            players[0]->send(protocol::build(Msg::StartGame, {"P1", "60", "30"}));
            pump([&] { return players[0]->has(Msg::Winner); }, 60000);
        }
    }
    state.counters["plays"] = static_cast<double>(samples.size());
    state.counters["p50_ms"] = percentile(samples, 0.50);
    state.counters["p99_ms"] = percentile(samples, 0.99);
    state.counters["max_ms"] = percentile(samples, 1.0);
}

}  // namespace hexaline::bench
