// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_marker.h"

#include <QDir>

namespace hexaline::app {

GameMarker::GameMarker(const QString& dir)
    : path_(QDir(dir).filePath(QString::fromLatin1(kIdentityWord) + QStringLiteral(".lock"))),
      lock_(path_) {
    held_ = lock_.tryLock(0);
    if (!held_)
        qInfo("The game marker %s is held by another program", qPrintable(path_));
}

}  // namespace hexaline::app
