// SPDX-License-Identifier: GPL-3.0-or-later
// The main of benchmarks that need Qt's event loop without windows: Google Benchmark runs
// under a QCoreApplication.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
