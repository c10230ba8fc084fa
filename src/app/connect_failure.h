// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A connection's socket error, in words for the player: the one place that words them.

#include <QAbstractSocket>
#include <QString>
#include <cstdint>

namespace hexaline::app {

// The short status form, "Error #111 (ConnectionRefusedError)": the system's error number
// where there is one, and the error's name.
QString socketErrorText(QAbstractSocket::SocketError error);

// A connection to `address` on `port` that could not be made, as a sentence.
QString connectFailure(QAbstractSocket::SocketError error, const QString& address,
                       std::uint16_t port);

}  // namespace hexaline::app
