// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Only one copy of the game runs per user: the first copy holds a local socket named
// "kivro7"; a second copy asks it to bring its window to the front and ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace hexaline::app {

inline constexpr char kInstanceKey[] = "kivro7";

// The folder of the key when none is given: the user's runtime folder, else the temp folder.
QString defaultInstanceDir();

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Claim {
        First,     // this is the only copy; raise requests arrive as raiseRequested
        Other,     // another copy runs and has been asked to show its window
        Unguarded  // the key could not be set up; carry on without the guard
    };

    explicit SingleInstance(const QString& dir, QObject* parent = nullptr);

    Claim claim();
    QString keyPath() const { return path_; }

  signals:
    void raiseRequested();

  private:
    bool askOtherCopy();
    void acceptRequests();

    QLocalServer server_;
    QString path_;
};

}  // namespace hexaline::app
