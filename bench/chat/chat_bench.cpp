// SPDX-License-Identifier: GPL-3.0-or-later
// The chat log under load: one line added to a log that already holds its 5,000 lines (the
// oldest goes), a seat's new colour given to its earlier lines, and a new text size laid out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include "chat/chat_line.h"
#include "chat/chat_log.h"
#include "chat/colour_text.h"

using namespace hexaline::chat;

namespace {

ChatLine lineOf(int n) {
    return *parseChatLine(
        QStringLiteral("%1+Player%1 chats: line %2 with :)#1%3 a smiley and www.example%2.org")
            .arg(n % 4 + 1)
            .arg(n)
            .arg(n % 8));
}

// A shown log, filled to its bound.
struct FullLog {
    FullLog() {
        log.resize(295, 279);
        log.show();
        for (int n = 0; n < ChatLog::kMaxLines; ++n)
            log.addline(lineOf(n), kRed);
        QApplication::processEvents();
    }
    ChatLog log;
};

void BM_AddLineToFullLog(benchmark::State& state) {
    FullLog full;
    int n = ChatLog::kMaxLines;
    for (auto _ : state) {
        full.log.addline(lineOf(n++), kRed);
        benchmark::DoNotOptimize(full.log.verticalScrollBar()->value());
    }
    state.counters["lines"] = full.log.lineCount();
}
BENCHMARK(BM_AddLineToFullLog)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_AddLineBelowBound(benchmark::State& state) {
    ChatLog log;
    log.resize(295, 279);
    log.show();
    for (int n = 0; n < 4000; ++n)
        log.addline(lineOf(n), kRed);
    QApplication::processEvents();
    int n = 0;
    for (auto _ : state)
        log.addline(lineOf(n++), kRed);
}
BENCHMARK(BM_AddLineBelowBound)->Unit(benchmark::kMicrosecond)->Iterations(500);

// Every fourth line belongs to the seat whose colour changes each time.
void BM_RecolourSeatInFullLog(benchmark::State& state) {
    FullLog full;
    int n = 0;
    for (auto _ : state) {
        full.log.addline(lineOf(4 * n), (n % 2) ? kRed : kBlue);
        ++n;
    }
}
BENCHMARK(BM_RecolourSeatInFullLog)->Unit(benchmark::kMillisecond);

void BM_NewTextSizeOnFullLog(benchmark::State& state) {
    FullLog full;
    int n = 0;
    for (auto _ : state) {
        full.log.setTextSize(n % 2 ? 10 : 12);
        full.log.addline(lineOf(n++), kRed);
    }
}
BENCHMARK(BM_NewTextSizeOnFullLog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
