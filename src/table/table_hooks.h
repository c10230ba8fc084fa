// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game table needs from the rest of the client. Every hook has a harmless default, so
// the table works on its own (and in tests) before the other parts are attached.

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include "protocol/system_colour.h"

namespace hexaline::table {

using protocol::kSystemColour;

struct TableHooks {
    // Hands one whole message (terminator included) to the connection to the host.
    std::function<void(const std::string& message)> send;
    std::function<bool()> isconnected;
    // Plays a named game-event sound.
    std::function<void(const QString& name)> playsounds;
    std::function<void(const QString& line, std::uint32_t colour)> addlinetochat;
    // Counts a finished game in the tally: "addtomine" for the user's own win, else the winner.
    std::function<void(const QString& winner)> addgame;
    // Opens the game start dialog.
    std::function<void()> showGameStart;
    // The "Just Watch" menu entry's check mark.
    std::function<bool()> justWatchChecked;
    std::function<void(bool checked)> setJustWatchChecked;
    // The chosen turn sound: 0 Classic, 1 New.
    std::function<int()> turnSoundTag;
    // A message box with a fixed text. Not modal: the game goes on behind it.
    std::function<void(const QString& text)> showMessage;
};

}  // namespace hexaline::table
