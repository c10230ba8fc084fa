// SPDX-License-Identifier: GPL-3.0-or-later
// The client's link to its host: a client that falls far behind (a busy or suspended window)
// stops reading while its queue is full and catches up, without losing a message or hanging up.
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <string>

#include "protocol/builder.h"
#include "protocol/dispatcher.h"
#include "transport/client_link.h"

using namespace hexaline;
using protocol::Msg;
using transport::ClientLink;

namespace {

constexpr int kTimeoutMs = 20000;

}  // namespace

TEST(ClientLinkCatchUp, ABacklogFarOverTheQueueIsReadInTurnsAndLosesNothing) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    constexpr std::size_t kShare = 20;
    ClientLink client(nullptr, {.messages = kShare, .bytes = 1 << 20, .totalMessages = 40});
    protocol::Dispatcher dispatcher(protocol::Direction::ToClient);
    std::vector<std::string> chats;
    std::size_t mostQueued = 0;
    dispatcher.on(Msg::ChatRelay, [&](protocol::Reader& r, protocol::Origin) {
        mostQueued = std::max(mostQueued, client.queue().size());
        r.number();
        chats.push_back(r.rest());
    });
    client.setDispatcher(&dispatcher);
    QSignalSpy closed(&client, &ClientLink::closed);
    client.open("127.0.0.1", server.serverPort());
    ASSERT_TRUE(server.waitForNewConnection(kTimeoutMs));
    QTcpSocket* host = server.nextPendingConnection();
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.isConnected(); }, kTimeoutMs));

    // The client's event loop does not run while the host writes: the whole backlog is
    // waiting in the system when the client looks again, as after a suspended laptop wakes.
    constexpr int kCount = 3000;
    std::string burst;
    for (int i = 0; i < kCount; ++i)
        burst += protocol::build(Msg::ChatRelay, {2, std::to_string(i)});
    host->write(burst.data(), static_cast<qint64>(burst.size()));
    while (host->bytesToWrite() > 0)
        ASSERT_TRUE(host->waitForBytesWritten(kTimeoutMs));

    ASSERT_TRUE(QTest::qWaitFor([&] { return chats.size() == kCount; }, kTimeoutMs))
        << chats.size() << " of " << kCount;
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_TRUE(client.isConnected());
    EXPECT_LE(mostQueued, kShare);
    for (int i = 0; i < kCount; ++i)
        ASSERT_EQ(chats[static_cast<std::size_t>(i)], std::to_string(i));

    // It still answers its host.
    ASSERT_TRUE(client.send(protocol::build(Msg::Chat, {2, "back"})));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->bytesAvailable() > 0; }, kTimeoutMs));
}
