// SPDX-License-Identifier: GPL-3.0-or-later
// What a peer can make the transport hold: a full queue makes readers wait without losing a
// message, a reader that never reads is dropped, and a silent peer is probed by keep-alive.
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include "protocol/builder.h"
#include "transport/connection.h"
#include "transport/host_link.h"

using namespace hexaline;
using protocol::Msg;
using transport::Connection;
using transport::HostLink;

namespace {

constexpr int kTimeoutMs = 10000;

int accepted(HostLink& host, QTcpSocket& socket) {
    QSignalSpy spy(&host, &HostLink::accepted);
    socket.connectToHost(QHostAddress::LocalHost, host.port());
    if (!socket.waitForConnected(kTimeoutMs) || (spy.isEmpty() && !spy.wait(kTimeoutMs)))
        return 0;
    return spy.takeFirst().at(0).toInt();
}

}  // namespace

TEST(TransportBounds, AFullQueueMakesReadersWaitAndLosesNothing) {
    HostLink host(nullptr, {.totalMessages = 8, .totalBytes = 1 << 20});
    protocol::Dispatcher dispatcher(protocol::Direction::ToHost);
    std::vector<std::pair<int, std::string>> chats;
    dispatcher.on(Msg::Chat, [&](protocol::Reader& r, protocol::Origin from) {
        r.number();
        chats.emplace_back(from, r.rest());
    });
    host.setDispatcher(&dispatcher);
    ASSERT_TRUE(host.listen(0));
    QTcpSocket a, b;
    const int idA = accepted(host, a), idB = accepted(host, b);
    ASSERT_TRUE(idA && idB);
    std::string burst;
    for (int i = 0; i < 100; ++i)
        burst += protocol::build(Msg::Chat, {1, std::to_string(i)});
    a.write(burst.data(), qint64(burst.size()));
    b.write(burst.data(), qint64(burst.size()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return chats.size() == 200; }, kTimeoutMs));
    EXPECT_TRUE(host.isOpen(idA) && host.isOpen(idB));
    int nextA = 0, nextB = 0;
    for (const auto& [from, words] : chats) {  // each connection's messages in order
        int& next = from == idA ? nextA : nextB;
        EXPECT_EQ(words, std::to_string(next++));
    }
}

TEST(TransportBounds, AReaderThatNeverReadsIsClosedAsGone) {
    HostLink host;
    ASSERT_TRUE(host.listen(0));
    QTcpSocket sleeper;
    sleeper.setReadBufferSize(1);  // takes next to nothing off the system
    const int id = accepted(host, sleeper);
    ASSERT_NE(id, 0);
    QSignalSpy closed(&host, &HostLink::closed);
    const std::string chunk = protocol::build(Msg::ChatRelay, {1, std::string(60000, 'x')});
    qint64 sent = 0;
    // The system's buffers take some megabytes first; the bound holds past them.
    while (closed.isEmpty() && sent < qint64(256) << 20) {
        if (!host.send(id, chunk))
            break;
        sent += qint64(chunk.size());
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(!closed.isEmpty() || closed.wait(kTimeoutMs));
    EXPECT_EQ(closed.at(0).at(0).toInt(), id);
    EXPECT_FALSE(host.isOpen(id));
    EXPECT_LT(sent, qint64(256) << 20);
}

TEST(TransportBounds, ConnectionsProbeASilentPeer) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.serverPort());
    ASSERT_TRUE(server.waitForNewConnection(kTimeoutMs));
    QTcpSocket* socket = server.nextPendingConnection();
    Connection connection(socket);
    const int fd = int(socket->socketDescriptor());
    auto option = [fd](int level, int name) {
        int value = -1;
        socklen_t size = sizeof value;
        return ::getsockopt(fd, level, name, &value, &size) == 0 ? value : -1;
    };
    EXPECT_EQ(option(SOL_SOCKET, SO_KEEPALIVE), 1);
    const int idle = option(IPPROTO_TCP, TCP_KEEPIDLE);
    const int gone = idle + option(IPPROTO_TCP, TCP_KEEPINTVL) * option(IPPROTO_TCP, TCP_KEEPCNT);
    EXPECT_GT(idle, 0);
    EXPECT_LE(gone, 60);  // a vanished peer is found within a minute
}
