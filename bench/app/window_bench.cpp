// SPDX-License-Identifier: GPL-3.0-or-later
// How long the main window takes from nothing to shown: every object of the client side
// created, the table drawn and the window exposed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>

#include "app/game_client.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "windows/gamestart_form.h"

using namespace hexaline;

namespace {

void BM_MainWindowToScreen(benchmark::State& state) {
    for (auto _ : state) {
        {
            // One argument: the window waits unconnected, so no socket is opened.
            app::MainWindow window(app::LaunchOptions{.arguments = {"Ann"}});
            windows::GameStartForm gamestart(&window);
            app::HostSide host;
            window.setHostSide(&host);
            app::GameClient client(window, gamestart);
            window.show();
            while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
                QApplication::processEvents();
            }
            window.grab();  // paint the whole table once
            state.PauseTiming();
        }
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowToScreen)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
