// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A peer's address as the program names it: an IPv4 peer of a socket that listens on all
// addresses in its plain dotted form, not as an IPv4-mapped IPv6 address.

#include <QHostAddress>
#include <QString>

namespace hexaline::transport {

inline QString addressText(const QHostAddress& address) {
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}

}  // namespace hexaline::transport
