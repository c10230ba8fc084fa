// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "agame" marker: a lock file held for the life of the process, so that other programs
// (the lobby) can tell that a game window is open.

#include <QLockFile>
#include <QString>

namespace hexaline::app {

inline constexpr char kIdentityWord[] = "agame";

class GameMarker {
  public:
    // Takes the lock "agame.lock" in `dir`. Failing to take it (another copy that runs with
    // its own instance folder holds it) is harmless.
    explicit GameMarker(const QString& dir);

    bool isHeld() const { return held_; }
    QString path() const { return path_; }

  private:
    QString path_;
    QLockFile lock_;
    bool held_ = false;
};

}  // namespace hexaline::app
