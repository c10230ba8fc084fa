// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a web address with the desktop's launcher, told when it fails: when no launcher can
// be started, and when the launcher itself ends in failure (no program for the address, a
// browser that would not start).

#include <QString>
#include <QUrl>
#include <functional>

class QObject;

namespace hexaline::app {

// The desktop's launcher program ("xdg-open"); tests put another in its place.
void setLinkLauncher(const QString& program);

// Starts the launcher for `url` and returns at once; `failed` gets a sentence for the player
// when it fails. `context` ends the wait when it is destroyed.
void openLink(const QUrl& url, QObject* context, std::function<void(const QString&)> failed);

// The sentence for a link that could not be opened.
QString linkFailure(const QUrl& url);

}  // namespace hexaline::app
