// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/connect_failure.h"

#include <QMetaEnum>
#include <cerrno>

namespace hexaline::app {

namespace {

// The system error number behind a socket error, where there is one.
int systemErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return ECONNREFUSED;
        case QAbstractSocket::RemoteHostClosedError:
            return ECONNRESET;
        case QAbstractSocket::SocketTimeoutError:
            return ETIMEDOUT;
        case QAbstractSocket::NetworkError:
            return ENETUNREACH;
        case QAbstractSocket::SocketAccessError:
            return EACCES;
        default:
            return static_cast<int>(error);
    }
}

}  // namespace

QString socketErrorText(QAbstractSocket::SocketError error) {
    const QMetaEnum names = QMetaEnum::fromType<QAbstractSocket::SocketError>();
    const char* name = names.valueToKey(error);
    return QStringLiteral("Error #%1 (%2)")
        .arg(systemErrorNumber(error))
        .arg(QString::fromLatin1(name ? name : "UnknownSocketError"));
}

QString connectFailure(QAbstractSocket::SocketError error, const QString& address,
                       std::uint16_t port) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
        case QAbstractSocket::ProxyConnectionRefusedError:
            return QStringLiteral(
                       "The computer at %1 refused the connection on port %2: no game is hosted "
                       "there, or a firewall is in the way.")
                .arg(address)
                .arg(port);
        case QAbstractSocket::NetworkError:
            return QStringLiteral("The computer at %1 cannot be reached from this network.")
                .arg(address);
        default:
            return QStringLiteral("Hexaline could not connect to %1 on port %2 (%3).")
                .arg(address)
                .arg(port)
                .arg(socketErrorText(error));
    }
}

}  // namespace hexaline::app
