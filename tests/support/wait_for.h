// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waiting for a condition while the event loop runs.

#include <QElapsedTimer>
#include <QTest>
#include <functional>

namespace hexaline::support {

// Processes events until `done` holds or `ms` pass; returns `done()`.
inline bool waitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QTest::qWait(2);
    return done();
}

}  // namespace hexaline::support
