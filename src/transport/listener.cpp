// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/listener.h"

#include "transport/status.h"

namespace hexaline::transport {

Listener::Listener(QObject* parent) : QObject(parent) {
    server_.setListenBacklogSize(kBacklog);
    connect(&server_, &QTcpServer::newConnection, this, &Listener::pending);
}

bool Listener::listen(std::uint16_t port, const QHostAddress& address) {
    errorText_.clear();
    if (server_.isListening())
        return true;
    if (server_.listen(address, port))
        return true;
    switch (server_.serverError()) {
        case QAbstractSocket::AddressInUseError:
        case QAbstractSocket::SocketAccessError:
        case QAbstractSocket::SocketAddressNotAvailableError:
            errorText_ = QString::fromLatin1(kErrorBinding);
            break;
        default:
            errorText_ = QString::fromLatin1(kErrorStartingListen);
            break;
    }
    qWarning("%s (port %u): %s", qPrintable(errorText_), unsigned{port},
             qPrintable(server_.errorString()));
    return false;
}

}  // namespace hexaline::transport
