// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/web_address.h"

#include <QHostInfo>
#include <QNetworkInterface>

namespace hexaline::web {

namespace {

QString machineName() {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLinkLocal())
                return address.toString();
        }
    }
    const QString name = QHostInfo::localHostName();
    return name.isEmpty() ? QStringLiteral("localhost") : name;
}

}  // namespace

QString shareAddress(std::uint16_t port, bool secure) {
    return QStringLiteral("%1://%2:%3/")
        .arg(QLatin1String(secure ? "https" : "http"), machineName())
        .arg(port);
}

}  // namespace hexaline::web
