// SPDX-License-Identifier: GPL-3.0-or-later
// A connection over a WebSocket: messages cross one per WebSocket message, without the
// terminator, and the bounds of a TCP connection hold for it too.
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>
#include <QWebSocketServer>
#include <memory>

#include "protocol/builder.h"
#include "transport/connection.h"
#include "transport/host_link.h"
#include "transport/web_wire.h"

using namespace hexaline;
using protocol::Msg;
using transport::Connection;
using transport::WebWire;

namespace {

constexpr int kTimeoutMs = 10000;

// A browser's WebSocket and the host's connection over the other end of it.
class WebWireTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        QSignalSpy pending(&server, &QWebSocketServer::newConnection);
        browser.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/play").arg(server.serverPort())));
        ASSERT_TRUE(pending.wait(kTimeoutMs));
        connection = std::make_unique<Connection>(new WebWire(server.nextPendingConnection()));
        connection->setSink([this](Connection&, std::string& message) {
            if (full)
                return Connection::Intake::Wait;
            taken.push_back(std::move(message));
            return Connection::Intake::Taken;
        });
        QObject::connect(&browser, &QWebSocket::textMessageReceived,
                         [this](const QString& text) { shown.push_back(text); });
        QObject::connect(connection.get(), &Connection::info, [this](int kind, const QString&) {
            closed = closed || kind == static_cast<int>(transport::InfoKind::Closed);
        });
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return browser.state() == QAbstractSocket::ConnectedState; }));
    }

    QWebSocketServer server{QStringLiteral("test"), QWebSocketServer::NonSecureMode};
    QWebSocket browser;
    std::unique_ptr<Connection> connection;
    std::vector<std::string> taken;
    std::vector<QString> shown;
    bool full = false;
    bool closed = false;
};

}  // namespace

TEST_F(WebWireTest, EachMessageCrossesAsOneWebSocketMessage) {
    EXPECT_TRUE(connection->isConnected());
    EXPECT_EQ(connection->peerAddress(), "127.0.0.1");

    browser.sendTextMessage("CMD_chat+1+hello");
    browser.sendTextMessage("CMD_logininfo+1+1.0.1+Ann");
    ASSERT_TRUE(QTest::qWaitFor([&] { return taken.size() == 2; }, kTimeoutMs));
    EXPECT_EQ(taken[0], "CMD_chat+1+hello");
    EXPECT_EQ(taken[1], "CMD_logininfo+1+1.0.1+Ann");

    // What the host sends: one message per text message, terminators removed, empty messages
    // left out, text decoded as UTF-8.
    connection->send(protocol::build(Msg::ChatRelay, {1,
                                                      "Ann chats: gr\xC3\xBC\xC3\x9F"
                                                      "e"}));
    connection->send(
        "CMD_one\xFF\xFF"
        "CMD_two\xFF");
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.size() == 3; }, kTimeoutMs));
    EXPECT_EQ(shown[0], QString::fromUtf8("CMD_chat+1+Ann chats: grüße"));
    EXPECT_EQ(shown[1], "CMD_one");
    EXPECT_EQ(shown[2], "CMD_two");
}

TEST_F(WebWireTest, AWaitingConnectionHoldsWhatArrivesAndLosesNothing) {
    full = true;
    for (int i = 0; i < 50; ++i)
        browser.sendTextMessage(QStringLiteral("CMD_chat+1+%1").arg(i));
    ASSERT_TRUE(QTest::qWaitFor([&] { return connection->isWaiting(); }, kTimeoutMs));
    QTest::qWait(50);
    EXPECT_TRUE(taken.empty());
    full = false;
    connection->resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return taken.size() == 50; }, kTimeoutMs));
    EXPECT_EQ(taken[49], "CMD_chat+1+49");
    EXPECT_FALSE(closed);
}

TEST_F(WebWireTest, AWaitingConnectionThatIsFloodedBeyondItsBoundCloses) {
    full = true;
    const QString chunk = QStringLiteral("CMD_chat+1+") + QString(16 * 1024, QLatin1Char('x'));
    for (qint64 sent = 0; sent <= WebWire::kMaxInbox + 64 * 1024; sent += chunk.size())
        browser.sendTextMessage(chunk);
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, kTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return browser.state() == QAbstractSocket::UnconnectedState; }, kTimeoutMs));
}

TEST_F(WebWireTest, AMessageOverTheCapIsRefused) {
    browser.sendTextMessage(QStringLiteral("CMD_chat+1+") + QString(70 * 1024, QLatin1Char('y')));
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, kTimeoutMs));
    EXPECT_TRUE(taken.empty());
}

TEST_F(WebWireTest, OutputThePeerDoesNotTakeIsBoundedAsOverTcp) {
    // Everything sent without a turn of the event loop waits unsent.
    const std::string big = "CMD_chat+1+" + std::string(60 * 1024, 'z') + "\xFF";
    int sent = 0;
    while (connection->send(big) && sent < 100)
        ++sent;
    EXPECT_LT(sent, 100);
    EXPECT_LE(sent * big.size(), static_cast<std::size_t>(Connection::kMaxUnsentBytes));
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, kTimeoutMs));
}
