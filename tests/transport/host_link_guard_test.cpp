// SPDX-License-Identifier: GPL-3.0-or-later
// What one peer address can hold of the host, over real sockets: a bounded number of
// connections (loopback exempt unless told otherwise), whether the listener accepted them or
// another carrier handed them over; and messages counted once, when they arrive, even while
// the host is busy or its queue makes readers wait.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "protocol/builder.h"
#include "transport/host_link.h"

using namespace hexaline;
using protocol::Msg;
using transport::Connection;
using transport::HostLink;

namespace {

constexpr int kTimeoutMs = 5000;
const QString kHere = QStringLiteral("127.0.0.1");
const QString kElsewhere = QStringLiteral("127.0.0.2");  // another machine, as the host sees it

class HostLinkGuardTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(host.listen(0)); }

    // A client socket from `from`; true when the host adopted it, false when it closed it.
    bool connectFrom(const QString& from) {
        auto socket = std::make_unique<QTcpSocket>();
        socket->bind(QHostAddress(from));
        QSignalSpy accepted(&host, &HostLink::accepted);
        socket->connectToHost(QHostAddress::LocalHost, host.port());
        EXPECT_TRUE(socket->waitForConnected(kTimeoutMs));
        QTcpSocket* s = socket.get();
        sockets.push_back(std::move(socket));
        const bool closed = QTest::qWaitFor(
            [&] { return !accepted.isEmpty() || s->state() == QAbstractSocket::UnconnectedState; },
            kTimeoutMs);
        EXPECT_TRUE(closed);
        return !accepted.isEmpty();
    }

    HostLink host;
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
};

std::string chat(const std::string& words) {
    return protocol::build(Msg::Chat, {1, words});
}

}  // namespace

TEST_F(HostLinkGuardTest, AnAddressHoldsItsShareOfConnectionsAndLoopbackIsExempt) {
    host.setPerAddressLimit(2);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(connectFrom(kHere)) << i;  // local play and tests are not bound
    EXPECT_TRUE(connectFrom(kElsewhere));
    EXPECT_TRUE(connectFrom(kElsewhere));
    EXPECT_FALSE(connectFrom(kElsewhere));
    EXPECT_EQ(host.connectionsFrom(kElsewhere), 2);

    // A connection that goes makes room for the next.
    sockets[3]->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.connectionsFrom(kElsewhere) == 1; }, kTimeoutMs));
    EXPECT_TRUE(connectFrom(kElsewhere));

    // Without the exemption, loopback counts like any address.
    host.setPerAddressLimit(3, {});
    EXPECT_FALSE(connectFrom(kHere));
    host.setPerAddressLimit(0, {});  // no bound at all
    EXPECT_TRUE(connectFrom(kHere));
}

TEST_F(HostLinkGuardTest, AConnectionHandedOverByAnotherCarrierCountsForItsAddress) {
    host.setPerAddressLimit(1);
    QTcpServer other;  // stands for a carrier of its own (a browser bridge)
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost, 0));
    auto handOver = [&] {
        QTcpSocket* client = new QTcpSocket(&other);
        client->bind(QHostAddress(kElsewhere));
        client->connectToHost(QHostAddress::LocalHost, other.serverPort());
        EXPECT_TRUE(other.waitForNewConnection(kTimeoutMs));
        return host.adopt(new Connection(other.nextPendingConnection()));
    };
    const int id = handOver();
    ASSERT_NE(id, 0);
    EXPECT_EQ(host.peerAddress(id), kElsewhere);
    EXPECT_EQ(handOver(), 0);               // its address has its one connection
    EXPECT_FALSE(connectFrom(kElsewhere));  // and the listener knows it too
    EXPECT_TRUE(connectFrom(kHere));
}

TEST_F(HostLinkGuardTest, MessagesAreCountedWhenTheyArriveWhileTheHostIsBusy) {
    protocol::Dispatcher dispatcher(protocol::Direction::ToHost);
    std::vector<std::string> arrived, handled;
    host.setAdmission([&](int, const std::string& message) {
        arrived.push_back(message);
        return message.find("drop") == std::string::npos;
    });
    QTcpSocket client;
    QSignalSpy accepted(&host, &HostLink::accepted);
    client.connectToHost(QHostAddress::LocalHost, host.port());
    ASSERT_TRUE(client.waitForConnected(kTimeoutMs));
    auto write = [&](const std::string& bytes) {
        client.write(bytes.data(), qint64(bytes.size()));
        client.flush();
    };
    // The first message keeps the host busy (a nested event loop, as a message box runs)
    // until the later ones have arrived; they are counted all the same.
    bool counted = false;
    dispatcher.on(Msg::Chat, [&](protocol::Reader& r, protocol::Origin) {
        r.number();
        handled.push_back(r.rest());
        if (handled.size() != 1)
            return;
        QTimer::singleShot(0, [&] { write(chat("one") + chat("drop") + chat("two")); });
        counted = QTest::qWaitFor([&] { return arrived.size() == 4; }, kTimeoutMs);
    });
    host.setDispatcher(&dispatcher);
    write(chat("busy"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return handled.size() == 3; }, kTimeoutMs));
    EXPECT_TRUE(counted);
    EXPECT_EQ(handled, (std::vector<std::string>{"busy", "one", "two"}));
    EXPECT_EQ(arrived.size(), 4u);
}

TEST(HostLinkGuard, AMessageThatWaitsForRoomIsCountedOnce) {
    HostLink host(
        nullptr,
        {.messages = 1000, .bytes = 1024 * 1024, .totalMessages = 4, .totalBytes = 1024 * 1024});
    ASSERT_TRUE(host.listen(0));
    protocol::Dispatcher dispatcher(protocol::Direction::ToHost);
    int arrivals = 0, handled = 0;
    host.setAdmission([&](int, const std::string&) {
        ++arrivals;
        return true;
    });
    dispatcher.on(Msg::Chat, [&](protocol::Reader&, protocol::Origin) { ++handled; });
    host.setDispatcher(&dispatcher);
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, host.port());
    ASSERT_TRUE(client.waitForConnected(kTimeoutMs));
    std::string burst;
    for (int i = 0; i < 40; ++i)
        burst += chat("line " + std::to_string(i));
    client.write(burst.data(), qint64(burst.size()));
    client.flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return handled == 40; }, kTimeoutMs));
    EXPECT_EQ(arrivals, 40);
}
