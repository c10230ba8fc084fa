// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ports that nobody listens on at the moment of asking, for tests that need a port number
// before they can open the port themselves (a host dialog, an announcement listener).

#include <QHostAddress>
#include <QTcpServer>
#include <QUdpSocket>

namespace hexaline::support {

// A TCP port free on `address` (every address unless told), taken and freed again; 0 when no
// port could be taken.
inline quint16 freeTcpPort(const QHostAddress& address = QHostAddress::Any) {
    QTcpServer probe;
    probe.listen(address, 0);
    return probe.serverPort();
}

// A UDP port free on loopback.
inline quint16 freeUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

}  // namespace hexaline::support
