// SPDX-License-Identifier: GPL-3.0-or-later
// Host figures over real loopback sockets:
//  - the round trip from a client's play to all four clients having the accepted play, with
//    the headless host in its own process;
//  - the CPU an idle host uses with its connections open.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "bench_support.h"
#include "engine/random.h"
#include "host/host_service.h"
#include "play_round_trips.h"
#include "protocol/builder.h"
#include "support/raw_client.h"

using namespace hexaline;
using bench::measurePlayRoundTrips;
using bench::seatPlayers;
using bench::startHost;

namespace {

// Runs the event loop for `ms` milliseconds without waking up on its own.
void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_PlayRoundTripToFourClients(benchmark::State& state) {
    QProcess process;
    const quint16 port = startHost(process, {"--second-ms", "20", "--bot-speed", "20"});
    if (port == 0) {
        state.SkipWithError("the host did not start");
        return;
    }
    auto players = seatPlayers(port, 4);
    measurePlayRoundTrips(state, players);
    process.terminate();
    process.waitForFinished(5000);
}
BENCHMARK(BM_PlayRoundTripToFourClients)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_IdleHostCpu(benchmark::State& state) {
    engine::Random random(7);
    session::HostService host(random, {});
    if (!host.listen(0)) {
        state.SkipWithError("cannot listen");
        return;
    }
    auto players = seatPlayers(host.port(), 4);
    idle(200);  // let the logins settle
    double cpu = 0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        idle(3000);
        cpu = cpuSeconds() - before;
    }
    state.counters["cpu_ms_in_3s"] = cpu * 1000;
    state.counters["dispatch_timer_running"] = host.link().isTicking() ? 1 : 0;
}
BENCHMARK(BM_IdleHostCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
