// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A solo game in this process through the real window: a host side with short seconds and a
// computer that moves at once, the window's own client side, and a settings file of its own.

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/game_client.h"
#include "app/host_side.h"
#include "app/main_window.h"
#include "support/suggested_play.h"
#include "support/wait_for.h"
#include "table/table_panel.h"
#include "text/settings/settings_location.h"
#include "windows/gamestart_form.h"

namespace hexaline::support {

// The settings file lives in a folder of the test's own while this exists.
struct OwnSettingsFile {
    OwnSettingsFile() { settings::setSettingsFilePath(dir.filePath("orviklobby.ini")); }
    ~OwnSettingsFile() { settings::setSettingsFilePath(QString()); }
    QTemporaryDir dir;
};

struct FastSoloGame {
    explicit FastSoloGame(int secondMs) {
        window.setHostSide(&host);
        host.service().options().secondMs = secondMs;
        host.service().options().botSpeed = [] { return 1; };
        client = std::make_unique<app::GameClient>(window, gamestart);
    }

    OwnSettingsFile settingsFile;
    app::MainWindow window{{.arguments = {}, .port = 0, .lobbyPort = 0}};
    windows::GameStartForm gamestart{&window};
    app::HostSide host;
    std::unique_ptr<app::GameClient> client;
};

// Plays seat 1's turns until the winner shows: `pass` when the engine's search finds no play,
// else `play` lays the search's tiles and finishes. Each turn waits for the host's answer.
struct SoloTurns {
    std::function<void()> pass;
    std::function<void(const Play&)> play;
    int plays = 0;
    int passes = 0;
};

inline bool playToAWinner(FastSoloGame& solo, SoloTurns& turns, int ms = 120000) {
    table::TablePanel& panel = solo.client->panel();
    const table::GameTable& table = solo.client->table();
    const auto& game = solo.host.service().session().game();
    return waitFor(
        [&] {
            if (panel.panel_winner->isVisible())
                return true;
            if (table.model().turnseat() != table.model().myseat() ||
                !panel.button_pass->isVisible())
                return false;
            const Play play = suggestedPlay(game, 1);
            if (play.empty()) {
                turns.pass();
                ++turns.passes;
                return false;
            }
            turns.play(play);
            ++turns.plays;
            waitFor(
                [&] {
                    return table.model().turnseat() != table.model().myseat() ||
                           panel.button_clear->isVisible();
                },
                5000);
            return false;
        },
        ms);
}

}  // namespace hexaline::support
