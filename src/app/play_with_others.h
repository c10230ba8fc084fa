// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own way to play with others, offered when no lobby program is installed: host a
// game, or join one.

class QMessageBox;

namespace hexaline::app {

class MainWindow;

// Opens a box, not modal, whose buttons open "Host a Game…" and "Join a Game…". The box
// deletes itself when closed.
QMessageBox* offerPlayWithOthers(MainWindow& window);

}  // namespace hexaline::app
