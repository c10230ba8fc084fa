// SPDX-License-Identifier: GPL-3.0-or-later
// Games found on the local network, over loopback only: the announcement's format, a game
// that appears and goes, and announcements that are hostile (malformed, oversized, a flood,
// fakes that crowd the list, a "gone" from elsewhere).
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>
#include <algorithm>
#include <memory>
#include <vector>

#include "transport/discovery_announcer.h"
#include "transport/discovery_listener.h"

using namespace hexaline::transport;

namespace {

constexpr int kTimeoutMs = 5000;

Announcement sample() {
    Announcement a;
    a.name = QStringLiteral("Ann Ö");
    a.port = 7772;
    a.seatsTaken = 2;
    a.seats = 4;
    a.gameOn = true;
    a.version = QStringLiteral("1.0.1");
    return a;
}

QByteArray withLine(const QByteArray& from, const QByteArray& key, const QByteArray& value) {
    QList<QByteArray> lines = from.split('\n');
    for (QByteArray& line : lines) {
        if (line.startsWith(key + "="))
            line = key + "=" + value;
    }
    return lines.join('\n');
}

TEST(DiscoveryMessage, RoundTripAndEveryFieldChecked) {
    const QByteArray good = writeAnnouncement(sample());
    EXPECT_TRUE(good.startsWith("HEXALINE-GAME 1\nname="));
    const auto read = readAnnouncement(good);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, sample().name);
    EXPECT_EQ(read->port, 7772);
    EXPECT_EQ(read->seatsTaken, 2);
    EXPECT_EQ(read->seats, 4);
    EXPECT_TRUE(read->gameOn);
    EXPECT_EQ(read->version, "1.0.1");
    EXPECT_FALSE(read->gone);

    // Unknown keys are skipped; a goodbye is read as one.
    EXPECT_TRUE(readAnnouncement(good + "colour=red\n"));
    EXPECT_TRUE(readAnnouncement(good + "gone=1\n")->gone);

    const QByteArray bad[] = {
        QByteArray(),
        "HEXALINE-GAME 2\n" + good.mid(good.indexOf('\n') + 1),  // a later format
        good.mid(good.indexOf('\n') + 1),                        // no first line
        withLine(good, "port", "0"),
        withLine(good, "port", "65536"),
        withLine(good, "port", "77x"),
        withLine(good, "seats", "5/4"),
        withLine(good, "seats", "-1/4"),
        withLine(good, "seats", "2"),
        withLine(good, "game", "yes"),
        withLine(good, "version", ""),
        withLine(good, "name", QByteArray(65, 'a')),
        withLine(good, "name", "tab\there"),
        QByteArray(good).replace("version=1.0.1\n", ""),  // a field missing
        good + "no equals sign\n",
        good + QByteArray(600, 'x'),  // too long for one announcement
    };
    for (const QByteArray& datagram : bad)
        EXPECT_FALSE(readAnnouncement(datagram)) << datagram.toStdString();

    // A long name is cut so that the datagram stays small and readable.
    Announcement longName = sample();
    longName.name = QString(500, u'é');
    const QByteArray cut = writeAnnouncement(longName);
    EXPECT_LE(cut.size(), kMaxAnnouncementBytes);
    ASSERT_TRUE(readAnnouncement(cut));
    EXPECT_EQ(readAnnouncement(cut)->name.size(), kMaxAnnouncedNameLength);
}

TEST(DiscoveryTarget, TheEnvironmentKeepsTestsOnLoopback) {
    qputenv("HEXALINE_ANNOUNCE_ADDRESS", "127.0.0.1");
    qputenv("HEXALINE_ANNOUNCE_PORT", "40123");
    const DiscoveryTarget target = DiscoveryTarget::fromEnvironment();
    EXPECT_EQ(target.address, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(target.port, 40123);
    qunsetenv("HEXALINE_ANNOUNCE_ADDRESS");
    qunsetenv("HEXALINE_ANNOUNCE_PORT");
    EXPECT_EQ(DiscoveryTarget::fromEnvironment().address, QHostAddress(QHostAddress::Broadcast));
    EXPECT_EQ(DiscoveryTarget::fromEnvironment().port, kDiscoveryPort);
}

// A socket standing in for another machine on the network: 127.0.0.2 is a loopback address of
// its own, so the listener sees a different sender.
class OtherMachine {
  public:
    explicit OtherMachine(const char* address = "127.0.0.2") {
        bound_ = socket_.bind(QHostAddress(QString::fromLatin1(address)), 0);
    }
    bool bound() const { return bound_; }
    void send(const QByteArray& datagram, std::uint16_t port) {
        socket_.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), port);
    }

  private:
    QUdpSocket socket_;
    bool bound_ = false;
};

bool hasGame(const DiscoveryListener& listener, const QString& address, std::uint16_t port) {
    for (const FoundGame& g : listener.games()) {
        if (g.address == address && g.announcement.port == port)
            return true;
    }
    return false;
}

class LoopbackDiscovery : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(listener.listen(0, true)); }

    DiscoveryTarget loopback() const {
        return {QHostAddress(QHostAddress::LocalHost), listener.port()};
    }
    void sendRaw(const QByteArray& datagram) {
        sender.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), listener.port());
    }

    DiscoveryListener listener;
    QUdpSocket sender;
};

TEST_F(LoopbackDiscovery, AGameAppearsAndDisappearsWhenItStops) {
    Announcement state = sample();
    state.port = 50001;
    DiscoveryAnnouncer announcer([&] { return state; }, loopback());
    QSignalSpy changed(&listener, &DiscoveryListener::changed);
    announcer.start();
    ASSERT_TRUE(changed.wait(kTimeoutMs));
    ASSERT_EQ(listener.games().size(), 1u);
    EXPECT_EQ(listener.games()[0].address, "127.0.0.1");
    EXPECT_EQ(listener.games()[0].announcement.name, state.name);
    EXPECT_EQ(listener.games()[0].announcement.port, 50001);

    // The next announcement carries the new seat count.
    state.seatsTaken = 3;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !listener.games().empty() && listener.games()[0].announcement.seatsTaken == 3;
        },
        kTimeoutMs));

    announcer.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.games().empty(); }, kTimeoutMs));
    EXPECT_FALSE(announcer.isRunning());
}

TEST_F(LoopbackDiscovery, MalformedOversizedAndFloodingDatagramsCannotGrowTheList) {
    sendRaw("HEXALINE-GAME 1\nname=x\n");  // fields missing
    sendRaw(QByteArray(4000, 'H'));
    Announcement big = sample();
    sendRaw(writeAnnouncement(big) + "pad=" + QByteArray(700, 'p') + "\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.dropped() >= 3; }, kTimeoutMs));
    EXPECT_TRUE(listener.games().empty());

    // A flood of well-formed announcements for different games from five machines: the list
    // stops at its limit, and the list's watchers hear of it a few times, not once per datagram.
    QSignalSpy changed(&listener, &DiscoveryListener::changed);
    std::vector<std::unique_ptr<OtherMachine>> machines;
    for (const char* address : {"127.0.0.1", "127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"}) {
        machines.push_back(std::make_unique<OtherMachine>(address));
        ASSERT_TRUE(machines.back()->bound());
    }
    constexpr int kFlood = 2000;
    for (int k = 0; k < kFlood; ++k) {
        Announcement a = sample();
        a.port = static_cast<std::uint16_t>(20000 + k);
        machines[static_cast<std::size_t>(k) % machines.size()]->send(writeAnnouncement(a),
                                                                      listener.port());
        if (k % 200 == 0)
            QTest::qWait(1);  // let the socket's buffer drain, as a real flood would
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return static_cast<int>(listener.games().size()) == DiscoveryListener::kMaxGames &&
                   !changed.isEmpty();
        },
        kTimeoutMs));
    QTest::qWait(DiscoveryListener::kRefreshMs * 2);
    EXPECT_EQ(static_cast<int>(listener.games().size()), DiscoveryListener::kMaxGames);
    for (const auto& machine : {"127.0.0.1", "127.0.0.2"}) {
        EXPECT_LE(std::count_if(listener.games().begin(), listener.games().end(),
                                [&](const FoundGame& g) { return g.address == machine; }),
                  DiscoveryListener::kMaxGamesPerAddress);
    }
    EXPECT_LT(changed.size(), 50);
    EXPECT_GT(listener.dropped(), 3);
}

TEST_F(LoopbackDiscovery, AFloodNeverStopsTheListenerFromReading) {
    OtherMachine flooder;
    ASSERT_TRUE(flooder.bound());
    // Far more than the socket's buffer holds, with only short pauses: the listener must keep
    // reading through it and afterwards.
    for (int burst = 0; burst < 10; ++burst) {
        for (int k = 0; k < 3000; ++k) {
            Announcement fake = sample();
            fake.port = static_cast<std::uint16_t>(30000 + k % 500);
            flooder.send(k % 3 == 0 ? QByteArray(300, 'j') : writeAnnouncement(fake),
                         listener.port());
        }
        QTest::qWait(1);
    }
    Announcement real = sample();
    real.port = 50002;
    DiscoveryAnnouncer announcer([&] { return real; }, loopback());
    announcer.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return hasGame(listener, "127.0.0.1", 50002); },
                                DiscoveryAnnouncer::kIntervalMs * 3));
    // And it goes on reading.
    const qint64 droppedBefore = listener.dropped();
    flooder.send("not an announcement", listener.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return listener.dropped() > droppedBefore; }, kTimeoutMs));
}

TEST_F(LoopbackDiscovery, ARealGameFindsRoomAmongRefreshedFakes) {
    OtherMachine faker;
    ASSERT_TRUE(faker.bound());
    const auto refreshFakes = [&] {
        for (int k = 0; k < DiscoveryListener::kMaxGames; ++k) {
            Announcement fake = sample();
            fake.port = static_cast<std::uint16_t>(40000 + k);
            faker.send(writeAnnouncement(fake), listener.port());
        }
    };
    refreshFakes();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !listener.games().empty(); }, kTimeoutMs));
    Announcement real = sample();
    real.port = 50003;
    DiscoveryAnnouncer announcer([&] { return real; }, loopback());
    announcer.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hasGame(listener, "127.0.0.1", 50003); }, kTimeoutMs));
    // The fakes keep refreshing, as often as the real game does and more: it stays listed.
    for (int round = 0; round < 6; ++round) {
        refreshFakes();
        QTest::qWait(200);
        EXPECT_TRUE(hasGame(listener, "127.0.0.1", 50003)) << round;
        EXPECT_LE(static_cast<int>(listener.games().size()), DiscoveryListener::kMaxGames);
    }

    // Fakes from many machines fill the whole list: a new game still finds room, and the fake
    // heard longest ago makes way.
    std::vector<std::unique_ptr<OtherMachine>> machines;
    for (const char* address : {"127.0.0.3", "127.0.0.4", "127.0.0.5", "127.0.0.6"}) {
        machines.push_back(std::make_unique<OtherMachine>(address));
        ASSERT_TRUE(machines.back()->bound());
        for (int k = 0; k < DiscoveryListener::kMaxGamesPerAddress; ++k) {
            Announcement fake = sample();
            fake.port = static_cast<std::uint16_t>(41000 + k);
            machines.back()->send(writeAnnouncement(fake), listener.port());
        }
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return static_cast<int>(listener.games().size()) == DiscoveryListener::kMaxGames; },
        kTimeoutMs));
    Announcement second = sample();
    second.port = 50005;
    OtherMachine newcomer("127.0.0.7");
    ASSERT_TRUE(newcomer.bound());
    newcomer.send(writeAnnouncement(second), listener.port());
    EXPECT_TRUE(QTest::qWaitFor([&] { return hasGame(listener, "127.0.0.7", 50005); }, kTimeoutMs));
    EXPECT_EQ(static_cast<int>(listener.games().size()), DiscoveryListener::kMaxGames);
}

TEST_F(LoopbackDiscovery, GoneCountsOnlyFromTheAddressThatAnnounced) {
    Announcement real = sample();
    real.port = 50004;
    DiscoveryAnnouncer announcer([&] { return real; }, loopback());
    announcer.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hasGame(listener, "127.0.0.1", 50004); }, kTimeoutMs));
    OtherMachine spoofer;
    ASSERT_TRUE(spoofer.bound());
    Announcement gone = real;
    gone.gone = true;
    QSignalSpy changed(&listener, &DiscoveryListener::changed);
    spoofer.send(writeAnnouncement(gone), listener.port());
    // A datagram sent after the spoof from the spoofer arrives after it: once it is counted,
    // the spoof was handled.
    const qint64 droppedBefore = listener.dropped();
    spoofer.send("not an announcement", listener.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.dropped() > droppedBefore; }, kTimeoutMs));
    EXPECT_TRUE(hasGame(listener, "127.0.0.1", 50004));
    // The game's own "gone" removes it.
    announcer.stop();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !hasGame(listener, "127.0.0.1", 50004); }, kTimeoutMs));
}

}  // namespace
