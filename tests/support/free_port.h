// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ports that nobody listens on at the moment of asking, for tests that need a port number
// before they can open the port themselves (a host dialog, an announcement listener).

#include <QHostAddress>
#include <QTcpServer>
#include <QUdpSocket>

namespace hexaline::support {

// A TCP port free on every address.
inline quint16 freeTcpPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

// A UDP port free on loopback.
inline quint16 freeUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

}  // namespace hexaline::support
