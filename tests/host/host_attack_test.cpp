// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile peers against the host service over real sockets: a flood under the caps, a stream
// of connections that queue and leave, and a peer that never reads. The honest players' chat
// is still echoed and their game still reaches its winner.
#include <gtest/gtest.h>

#include <QTcpSocket>
#include <memory>

#include "host/host_service.h"
#include "host/host_service_fixture.h"
#include "protocol/builder.h"
#include "support/raw_client.h"

using namespace hexaline;
using namespace hexaline::session;
using protocol::Msg;
using support::RawClient;
using support::waitFor;

namespace {

class HostAttackTest : public HostServiceFixture {
  protected:
    HostAttackTest() : HostServiceFixture(4242) {}

    // Two honest players who play their turns; the game starts at once.
    void startHonestGame() {
        ann = &join("Ann");
        bob = &join("Bob");
        ann->setAutoPlay(true);
        bob->setAutoPlay(true);
        ann->send(protocol::build(Msg::StartGame, {"Ann", "40", "30"}));
    }

    // Ann's chat comes back to her while the attack goes on, and the game reaches its winner.
    void expectHonestPlayersServed(const std::function<void()>& attackStep) {
        const std::size_t before = ann->of(Msg::ChatRelay).size();
        ann->send(protocol::build(Msg::Chat, {1, "still here?"}));
        auto echoed = [&] {
            for (std::size_t i = before; i < ann->of(Msg::ChatRelay).size(); ++i)
                if (ann->of(Msg::ChatRelay)[i].find("Ann chats: still here?") != std::string::npos)
                    return true;
            return false;
        };
        ASSERT_TRUE(waitFor(
            [&] {
                attackStep();
                return echoed();
            },
            30000));
        ASSERT_TRUE(waitFor(
            [&] {
                attackStep();
                return ann->has(Msg::Winner) && bob->has(Msg::Winner);
            },
            120000));
    }

    RawClient* ann = nullptr;
    RawClient* bob = nullptr;
};

}  // namespace

TEST_F(HostAttackTest, ASpectatorFloodingInBurstsDelaysNobody) {
    startHonestGame();
    RawClient& flooder = join("Flood");
    int bursts = 0;
    expectHonestPlayersServed([&] {
        if (bursts++ % 25 != 0)
            return;
        std::string burst;
        for (int i = 0; i < 200; ++i)
            burst += protocol::build(Msg::Chat, {flooder.seat(), "spam spam spam spam"});
        flooder.sendRaw(burst);
    });
    // Nothing it sent beyond its budget reached the others.
    EXPECT_LE(ann->of(Msg::ChatRelay).size(), 200u);
}

TEST_F(HostAttackTest, ConnectionsThatQueueAndLeaveCannotGrowTheQueue) {
    startHonestGame();
    const std::string big = protocol::build(Msg::Chat, {5, std::string(60000, 'r')});
    std::vector<std::unique_ptr<QTcpSocket>> refills;
    std::size_t largest = 0;
    int rounds = 0;
    expectHonestPlayersServed([&] {
        largest = std::max(largest, host->link().queue().bytes());
        if (rounds >= 60)
            return;
        ++rounds;
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QStringLiteral("127.0.0.1"), host->port());
        if (!socket->waitForConnected(5000))
            return;
        for (int i = 0; i < 16; ++i)
            socket->write(big.data(), qint64(big.size()));
        socket->flush();
        socket->close();
        refills.push_back(std::move(socket));
    });
    EXPECT_LE(largest, host->link().queue().limits().totalBytes);
}

TEST_F(HostAttackTest, APeerThatNeverReadsDoesNotHoldUpTheGame) {
    startHonestGame();
    QTcpSocket sleeper;  // seat 3: everything is sent to it too
    sleeper.setReadBufferSize(1);
    sleeper.connectToHost(QStringLiteral("127.0.0.1"), host->port());
    ASSERT_TRUE(sleeper.waitForConnected(5000));
    const std::string chatter = protocol::build(Msg::Chat, {2, std::string(400, 'c')});
    expectHonestPlayersServed([&] { bob->send(chatter); });
}
