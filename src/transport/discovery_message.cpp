// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/discovery_message.h"

#include <QList>

namespace hexaline::transport {

namespace {

constexpr int kMaxVersionLength = 32;

bool readNumber(const QByteArray& text, int low, int high, int& out) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return false;
    out = value;
    return true;
}

// Names travel on one line: no control characters, and no more than the limit.
QString cleanName(const QString& name) {
    QString clean;
    for (const QChar c : name) {
        if (clean.size() >= kMaxAnnouncedNameLength)
            break;
        clean += c.isPrint() ? c : QChar(u' ');
    }
    return clean;
}

}  // namespace

QByteArray writeAnnouncement(const Announcement& a) {
    QByteArray out = QByteArray(kAnnouncementMagic) + '\n';
    out += "name=" + cleanName(a.name).toUtf8() + '\n';
    out += "port=" + QByteArray::number(a.port) + '\n';
    out += "seats=" + QByteArray::number(a.seatsTaken) + '/' + QByteArray::number(a.seats) + '\n';
    out += QByteArray("game=") + (a.gameOn ? "1" : "0") + '\n';
    out += "version=" + a.version.left(kMaxVersionLength).toUtf8() + '\n';
    if (a.gone)
        out += "gone=1\n";
    return out;
}

std::optional<Announcement> readAnnouncement(const QByteArray& datagram) {
    if (datagram.size() > kMaxAnnouncementBytes)
        return std::nullopt;
    const QList<QByteArray> lines = datagram.split('\n');
    if (lines.isEmpty() || lines.first() != kAnnouncementMagic)
        return std::nullopt;
    Announcement a;
    bool hasName = false, hasPort = false, hasSeats = false, hasGame = false, hasVersion = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.isEmpty())
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            return std::nullopt;
        const QByteArray key = line.left(eq);
        const QByteArray value = line.mid(eq + 1);
        if (key == "name") {
            a.name = QString::fromUtf8(value);
            if (a.name.size() > kMaxAnnouncedNameLength || a.name != cleanName(a.name))
                return std::nullopt;
            hasName = true;
        } else if (key == "port") {
            int port = 0;
            if (!readNumber(value, 1, 65535, port))
                return std::nullopt;
            a.port = static_cast<std::uint16_t>(port);
            hasPort = true;
        } else if (key == "seats") {
            const QList<QByteArray> parts = value.split('/');
            if (parts.size() != 2 || !readNumber(parts[1], 1, 9, a.seats) ||
                !readNumber(parts[0], 0, a.seats, a.seatsTaken))
                return std::nullopt;
            hasSeats = true;
        } else if (key == "game") {
            if (value != "0" && value != "1")
                return std::nullopt;
            a.gameOn = value == "1";
            hasGame = true;
        } else if (key == "version") {
            a.version = QString::fromUtf8(value);
            if (a.version.isEmpty() || a.version.size() > kMaxVersionLength ||
                a.version != cleanName(a.version))
                return std::nullopt;
            hasVersion = true;
        } else if (key == "gone") {
            a.gone = value == "1";
        }
    }
    if (!(hasName && hasPort && hasSeats && hasGame && hasVersion))
        return std::nullopt;
    return a;
}

}  // namespace hexaline::transport
