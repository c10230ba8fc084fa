// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the host benchmarks: the headless host in its own process, an event loop that
// runs until a condition holds, percentiles and the host's memory.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "protocol/builder.h"
#include "protocol/reader.h"
#include "support/raw_client.h"

namespace hexaline::bench {

// Processes events until `done` holds or `ms` pass.
template <typename F>
bool pump(F done, int ms) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // looks at the clock now and then even when nothing happens
    wake.start(5);
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

inline bool isMessage(const std::string& message, protocol::Msg id) {
    const auto command = protocol::splitCommand(message);
    return command && command->word == protocol::layoutOf(id).word;
}

inline double percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(index, v.size() - 1)];
}

// The headless host in its own process; returns its port or 0.
inline quint16 startHost(QProcess& process, const QStringList& options) {
    process.setProgram(QStringLiteral(HEXALINE_HOST_BIN));
    process.setArguments(QStringList{"--port", "0"} + options);
    process.start();
    QString out;
    quint16 port = 0;
    pump(
        [&] {
            out += QString::fromUtf8(process.readAllStandardOutput());
            const auto match = QRegularExpression("listening on port (\\d+)").match(out);
            if (match.hasMatch())
                port = static_cast<quint16>(match.captured(1).toUInt());
            return port != 0;
        },
        10000);
    return port;
}

// Players P1..Pcount, each seated at the host on `port`.
inline std::vector<std::unique_ptr<support::RawClient>> seatPlayers(quint16 port, int count) {
    std::vector<std::unique_ptr<support::RawClient>> players;
    for (int i = 1; i <= count; ++i) {
        std::string name = "P";  // (appending, not "P" + ..., keeps GCC 12's -Wrestrict quiet)
        name += std::to_string(i);
        players.push_back(std::make_unique<support::RawClient>(name));
        players.back()->connectTo(port);
        players.back()->waitSeated();
    }
    return players;
}

// A line of /proc/PID/status in kibibytes ("VmRSS", "VmHWM"), 0 when unknown.
inline double statusKiB(qint64 pid, const char* key) {
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString text = QString::fromLatin1(file.readAll());
    const auto match =
        QRegularExpression(QStringLiteral("%1:\\s+(\\d+) kB").arg(QLatin1String(key))).match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0;
}

}  // namespace hexaline::bench
