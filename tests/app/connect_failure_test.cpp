// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/connect_failure.h"

#include <gtest/gtest.h>

namespace hexaline::app {
namespace {

// The words a player reads for each socket error, as the window has always shown them.
TEST(ConnectFailure, EachSocketErrorReadsAsBefore) {
    EXPECT_EQ(socketErrorText(QAbstractSocket::ConnectionRefusedError),
              "Error #111 (ConnectionRefusedError)");
    EXPECT_EQ(socketErrorText(QAbstractSocket::NetworkError), "Error #101 (NetworkError)");
    EXPECT_EQ(socketErrorText(QAbstractSocket::UnknownSocketError),
              "Error #-1 (UnknownSocketError)");

    const QString refused =
        "The computer at 10.0.0.2 refused the connection on port 7772: no game is hosted there, "
        "or a firewall is in the way.";
    EXPECT_EQ(connectFailure(QAbstractSocket::ConnectionRefusedError, "10.0.0.2", 7772), refused);
    EXPECT_EQ(connectFailure(QAbstractSocket::ProxyConnectionRefusedError, "10.0.0.2", 7772),
              refused);
    EXPECT_EQ(connectFailure(QAbstractSocket::NetworkError, "10.0.0.2", 7772),
              "The computer at 10.0.0.2 cannot be reached from this network.");
    EXPECT_EQ(connectFailure(QAbstractSocket::SocketTimeoutError, "10.0.0.2", 7772),
              "Hexaline could not connect to 10.0.0.2 on port 7772 (Error #110 "
              "(SocketTimeoutError)).");
}

}  // namespace
}  // namespace hexaline::app
