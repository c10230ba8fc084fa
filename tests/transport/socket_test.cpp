// SPDX-License-Identifier: GPL-3.0-or-later
// The transport over real sockets on 127.0.0.1: framing per connection, caps on what a peer
// can make us hold, the close reports of both sides, and a listener with a client.
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "protocol/builder.h"
#include "transport/client_link.h"
#include "transport/host_link.h"

using namespace hexaline;
using protocol::Msg;
using transport::ClientLink;
using transport::HostLink;

namespace {

constexpr int kTimeoutMs = 5000;
const std::string T(1, protocol::kTerminator);

// What the host's dispatcher received: the text of every chat, with the connection id.
struct HostRecorder {
    protocol::Dispatcher dispatcher{protocol::Direction::ToHost};
    std::vector<std::pair<std::string, int>> chats;
    int logins = 0;
    HostRecorder() {
        dispatcher.on(Msg::Chat, [this](protocol::Reader& r, protocol::Origin from) {
            r.number();
            chats.emplace_back(r.rest(), from);
        });
        dispatcher.on(Msg::Login, [this](protocol::Reader&, protocol::Origin) { ++logins; });
    }
};

// A listening host link with a recorder, and raw client sockets to talk to it.
class HostFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        host.setDispatcher(&rec.dispatcher);
        ASSERT_TRUE(host.listen(0));
        ASSERT_NE(host.port(), 0);
    }

    // A raw client socket connected and accepted; returns the host's id for it.
    int connectRaw(QTcpSocket& socket) {
        QSignalSpy accepted(&host, &HostLink::accepted);
        socket.connectToHost(QHostAddress::LocalHost, host.port());
        if (!socket.waitForConnected(kTimeoutMs))
            return 0;
        if (accepted.isEmpty() && !accepted.wait(kTimeoutMs))
            return 0;
        return accepted.takeFirst().at(0).toInt();
    }

    void write(QTcpSocket& socket, const std::string& bytes) {
        socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket.flush();
    }

    HostLink host;
    HostRecorder rec;
};

std::string chat(int seat, const std::string& words) {
    return protocol::build(Msg::Chat, {seat, words});
}

}  // namespace

TEST_F(HostFixture, TwoMessagesInOneWriteAreHandledInOrder) {
    QTcpSocket client;
    const int id = connectRaw(client);
    ASSERT_NE(id, 0);
    write(client, chat(1, "first") + chat(1, "second"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rec.chats.size() == 2; }, kTimeoutMs));
    EXPECT_EQ(rec.chats[0], std::make_pair(std::string("first"), id));
    EXPECT_EQ(rec.chats[1], std::make_pair(std::string("second"), id));
}

TEST_F(HostFixture, SplitMessageIsCompletedAndNeverJoinedWithAnotherConnection) {
    QTcpSocket a, b;
    const int idA = connectRaw(a);
    const int idB = connectRaw(b);
    ASSERT_TRUE(idA && idB);
    const std::string whole = chat(2, "split in two");
    write(a, whole.substr(0, 12));
    write(b, chat(3, "from b"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rec.chats.size() == 1; }, kTimeoutMs));
    write(a, whole.substr(12));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rec.chats.size() == 2; }, kTimeoutMs));
    EXPECT_EQ(rec.chats[0], std::make_pair(std::string("from b"), idB));
    EXPECT_EQ(rec.chats[1], std::make_pair(std::string("split in two"), idA));
}

TEST_F(HostFixture, LoginWithTwoTerminatorsIsHandledOnceAndTheTimerStops) {
    QTcpSocket client;
    ASSERT_NE(connectRaw(client), 0);
    const std::string login = protocol::build(Msg::Login, {1, "1.0.1", "Ann"});
    ASSERT_EQ(login.substr(login.size() - 2), T + T);
    write(client, login);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rec.logins == 1 && !host.isTicking(); }, kTimeoutMs));
    EXPECT_TRUE(host.queue().empty());
}

TEST_F(HostFixture, OverlongUnterminatedMessageClosesThatConnection) {
    QTcpSocket flooder, other;
    const int id = connectRaw(flooder);
    const int otherId = connectRaw(other);
    ASSERT_TRUE(id && otherId);
    QSignalSpy closed(&host, &HostLink::closed);
    write(flooder, "CMD_chat+1+" + std::string(protocol::Framer::kMaxRemainder, 'x'));
    ASSERT_TRUE(closed.wait(kTimeoutMs));
    EXPECT_EQ(closed.at(0).at(0).toInt(), id);
    EXPECT_FALSE(host.isOpen(id));
    EXPECT_TRUE(host.isOpen(otherId));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return flooder.state() == QAbstractSocket::UnconnectedState; }, kTimeoutMs));
}

TEST(HostLink, PeerFloodingTheQueueIsClosed) {
    HostLink host(nullptr, {.messages = 5, .bytes = 1 << 20});
    ASSERT_TRUE(host.listen(0));  // no dispatcher: nothing drains before the flood lands
    QSignalSpy accepted(&host, &HostLink::accepted);
    QSignalSpy closed(&host, &HostLink::closed);
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, host.port());
    ASSERT_TRUE(client.waitForConnected(kTimeoutMs));
    std::string flood;
    for (int i = 0; i < 50; ++i)
        flood += chat(1, "spam");
    client.write(flood.data(), static_cast<qint64>(flood.size()));
    ASSERT_TRUE(closed.wait(kTimeoutMs));
    EXPECT_EQ(host.queue().size(), 5u);
}

TEST_F(HostFixture, ClosingByTheHostReportsSocketClosedOnBothSides) {
    ClientLink client;
    QSignalSpy accepted(&host, &HostLink::accepted);
    client.open("127.0.0.1", host.port());
    ASSERT_TRUE(accepted.wait(kTimeoutMs));
    const int id = accepted.at(0).at(0).toInt();
    QSignalSpy hostClosed(&host, &HostLink::closed);
    QSignalSpy clientPeerClosed(&client, &ClientLink::peerClosed);
    QSignalSpy clientInfo(&client, &ClientLink::info);

    host.close(id);
    ASSERT_EQ(hostClosed.size(), 1);
    EXPECT_EQ(hostClosed.at(0).at(0).toInt(), id);
    host.close(id);                                // closing again does nothing
    EXPECT_EQ(hostClosed.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clientInfo.isEmpty(); }, kTimeoutMs));
    EXPECT_EQ(clientPeerClosed.size(), 1);
    EXPECT_EQ(clientInfo.at(0).at(1).toString(), "Socket Closed");
    EXPECT_EQ(clientInfo.at(0).at(0).toInt(), 2);
    EXPECT_FALSE(client.send(chat(1, "too late")));
}

TEST_F(HostFixture, MessageSentRightBeforeClosingStillArrives) {
    ClientLink client;
    protocol::Dispatcher clientSide(protocol::Direction::ToClient);
    int full = 0;
    clientSide.on(Msg::Full, [&](protocol::Reader&, protocol::Origin) { ++full; });
    client.setDispatcher(&clientSide);
    QSignalSpy accepted(&host, &HostLink::accepted);
    QSignalSpy closed(&client, &ClientLink::closed);
    client.open("127.0.0.1", host.port());
    ASSERT_TRUE(accepted.wait(kTimeoutMs));
    const int id = accepted.at(0).at(0).toInt();
    ASSERT_TRUE(host.send(id, protocol::build(Msg::Full)));
    host.close(id);
    ASSERT_TRUE(closed.wait(kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return full == 1; }, kTimeoutMs));
}

TEST_F(HostFixture, ClosingByTheClientReportsSocketClosedOnBothSides) {
    ClientLink client;
    QSignalSpy accepted(&host, &HostLink::accepted);
    QSignalSpy connected(&client, &ClientLink::connected);
    client.open("127.0.0.1", host.port());
    ASSERT_TRUE(accepted.wait(kTimeoutMs));
    ASSERT_TRUE(connected.size() == 1 || connected.wait(kTimeoutMs));
    const int id = accepted.at(0).at(0).toInt();
    QSignalSpy peerClosed(&host, &HostLink::peerClosed);
    QSignalSpy hostClosed(&host, &HostLink::closed);
    QSignalSpy clientClosed(&client, &ClientLink::closed);

    client.close();
    EXPECT_EQ(clientClosed.size(), 1);
    ASSERT_TRUE(hostClosed.wait(kTimeoutMs));
    ASSERT_EQ(peerClosed.size(), 1);
    EXPECT_EQ(peerClosed.at(0).at(0).toInt(), id);
    EXPECT_EQ(hostClosed.size(), 1);
    EXPECT_FALSE(host.send(id, chat(1, "gone")));
}

TEST_F(HostFixture, OwnerClosingOnPeerCloseHearsSocketClosedTwice) {
    QTcpSocket client;
    const int id = connectRaw(client);
    ASSERT_NE(id, 0);
    QObject::connect(&host, &HostLink::peerClosed, &host, [this](int which) { host.close(which); });
    QSignalSpy hostClosed(&host, &HostLink::closed);
    client.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hostClosed.size() == 2; }, kTimeoutMs));
    EXPECT_EQ(hostClosed.at(1).at(0).toInt(), id);
}

TEST_F(HostFixture, ListenerAndClientExchangeMessagesBothWays) {
    ClientLink client;
    protocol::Dispatcher clientSide(protocol::Direction::ToClient);
    std::vector<std::string> received;
    clientSide.on(Msg::ChatRelay, [&](protocol::Reader& r, protocol::Origin from) {
        EXPECT_EQ(from, 0);
        r.number();
        received.push_back(r.rest());
    });
    client.setDispatcher(&clientSide);
    QSignalSpy accepted(&host, &HostLink::accepted);
    QSignalSpy connected(&client, &ClientLink::connected);
    client.open("127.0.0.1", host.port());
    ASSERT_TRUE(connected.wait(kTimeoutMs));
    ASSERT_TRUE(accepted.size() == 1 || accepted.wait(kTimeoutMs));
    const int id = accepted.at(0).at(0).toInt();
    EXPECT_EQ(host.peerAddress(id), "127.0.0.1");

    // Text travels as bytes: UTF-8 passes through unchanged.
    ASSERT_TRUE(client.send(chat(1, "gr\xC3\xBC\xC3\x9F dich")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rec.chats.size() == 1; }, kTimeoutMs));
    EXPECT_EQ(rec.chats[0], std::make_pair(std::string("gr\xC3\xBC\xC3\x9F dich"), id));

    ASSERT_TRUE(host.send(id, protocol::build(Msg::ChatRelay, {1, "hello"})));
    ASSERT_TRUE(host.send(id, protocol::build(Msg::ChatRelay, {1, "again"})));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return received.size() == 2 && !client.isTicking(); }, kTimeoutMs));
    EXPECT_EQ(received, (std::vector<std::string>{"hello", "again"}));
}

TEST(ClientLink, RefusedConnectionIsOnlyASocketError) {
    quint16 port = 0;
    {
        QTcpServer probe;  // a port that nobody listens on any more
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    ClientLink client;
    QSignalSpy info(&client, &ClientLink::info);
    QSignalSpy failed(&client, &ClientLink::failed);
    QSignalSpy closed(&client, &ClientLink::closed);
    client.open("127.0.0.1", port);
    ASSERT_TRUE(failed.wait(kTimeoutMs));
    EXPECT_EQ(failed.at(0).at(0).value<QAbstractSocket::SocketError>(),
              QAbstractSocket::ConnectionRefusedError);
    EXPECT_TRUE(info.isEmpty());
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_FALSE(client.isConnected());
    EXPECT_FALSE(client.send(chat(1, "nobody")));
}

TEST(ClientLink, UnknownHostNameIsReportedAsLookupFailure) {
    ClientLink client;
    QSignalSpy failed(&client, &ClientLink::lookupFailed);
    QSignalSpy closed(&client, &ClientLink::closed);
    client.open("no-such-host.invalid", 1);
    ASSERT_TRUE(failed.wait(30000));
    EXPECT_EQ(failed.at(0).at(0).toString(), "Host Lookup - Could Not Find Host Entry");
    EXPECT_TRUE(closed.isEmpty());
}

TEST(HostLink, BusyPortIsABindingError) {
    HostLink first;
    ASSERT_TRUE(first.listen(0));
    HostLink second;
    EXPECT_FALSE(second.listen(first.port()));
    EXPECT_EQ(second.errorText(), "Listen - Error Binding Socket");
    EXPECT_FALSE(second.isListening());
}
