// SPDX-License-Identifier: GPL-3.0-or-later
// The headless host announces its game only when asked, and says when it has gone; the
// announcement follows the seats. Loopback only.
#include <gtest/gtest.h>
#include <QProcess>
#include <QTest>

#include "host/announce.h"
#include "protocol/builder.h"
#include "support/raw_client.h"
#include "transport/discovery_listener.h"

using namespace hexaline;

namespace {

constexpr int kTimeoutMs = 10000;

TEST(HostAnnounce, TheHeadlessHostAnnouncesWithTheOptionAndSaysWhenItHasGone) {
    transport::DiscoveryListener listener;
    ASSERT_TRUE(listener.listen(0, true));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HEXALINE_ANNOUNCE_ADDRESS", "127.0.0.1");
    env.insert("HEXALINE_ANNOUNCE_PORT", QString::number(listener.port()));

    QProcess host;
    host.setProcessEnvironment(env);
    host.start(QStringLiteral(HEXALINE_HOST_BIN), {"--port", "0", "--announce"});
    ASSERT_TRUE(host.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.games().size() == 1; }, kTimeoutMs));
    const transport::Announcement& a = listener.games()[0].announcement;
    EXPECT_EQ(a.name, "hexaline-host");
    EXPECT_EQ(a.seatsTaken, 0);
    EXPECT_FALSE(a.gameOn);
    EXPECT_NE(a.port, 0);

    host.terminate();
    ASSERT_TRUE(host.waitForFinished(kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.games().empty(); }, kTimeoutMs));
}

TEST(HostAnnounce, TheAnnouncementCountsPlayerSeatsTaken) {
    engine::Random random(1);
    session::HostService service(random, {});
    ASSERT_TRUE(service.listen(0));
    transport::Announcement a = session::announcementOf(service, "Ann", "1.0.1");
    EXPECT_EQ(a.name, "Ann");  // nobody on seat 1 yet
    EXPECT_EQ(a.seatsTaken, 0);
    EXPECT_EQ(a.port, service.port());
    support::RawClient bea("Bea"), cy("Cy");
    bea.connectTo(service.port());
    ASSERT_TRUE(bea.waitSeated());
    cy.connectTo(service.port());
    ASSERT_TRUE(cy.waitSeated());
    bea.send(protocol::build(protocol::Msg::StartGame, {"Bea", "0", "30"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.session().game().gameon; }, kTimeoutMs));
    a = session::announcementOf(service, "Ann", "1.0.1");
    EXPECT_EQ(a.name, "Bea");
    EXPECT_EQ(a.seatsTaken, 2);
    EXPECT_EQ(a.seats, 4);
    EXPECT_TRUE(a.gameOn);
    EXPECT_TRUE(transport::readAnnouncement(transport::writeAnnouncement(a)));
}

}  // namespace
