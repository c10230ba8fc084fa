// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One player's copy of the program: its window, the game start dialog and the sessions, with
// what a test reads off its table.

#include <QLabel>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>

#include "app/game_client.h"
#include "app/main_window.h"
#include "app/table_sessions.h"
#include "chat/chat.h"
#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "table/table_panel.h"
#include "windows/gamestart_form.h"

namespace hexaline::support {

struct Player {
    // `ini` is where the sessions keep their settings; `port` the window's game port.
    explicit Player(QStringList arguments, const QString& ini, std::uint16_t port = 0)
        : window({.arguments = std::move(arguments), .port = port, .lobbyPort = 0}),
          gamestart(&window),
          sessions(window, gamestart) {
        sessions.setSettingsPath(ini);
        window.show();
    }
    table::TablePanel& panel() { return sessions.client().panel(); }
    QString seatName(int seat) { return panel().playername(seat)->text(); }
    QString status() { return panel().label_status->text(); }
    QString chat() { return sessions.client().chat().area().mainchat->toPlainText(); }
    bool seated() { return sessions.client().model().isconnected(); }

    app::MainWindow window;
    windows::GameStartForm gamestart;
    app::TableSessions sessions;
};

}  // namespace hexaline::support
