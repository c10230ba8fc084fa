// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program on one machine, each with its own runtime folder: one hosts, the
// other joins it over the network, as two players on two machines would; the joined copy
// outlives its host.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "protocol/builder.h"
#include "support/free_port.h"
#include "support/raw_client.h"

using namespace hexaline;
using protocol::Msg;
using support::RawClient;
using support::waitFor;

namespace {

void startCopy(QProcess& process, const QString& instanceDir, const QStringList& positional,
               quint16 port) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(instanceDir);
    process.setProgram(QStringLiteral(HEXALINE_EXE));
    process.setArguments(
        QStringList{"--instance-dir", instanceDir, "--port", QString::number(port)} + positional);
    process.start();
}

TEST(TwoCopies, OneHostsTheOtherJoinsAndLeavesWithIt) {
    QTemporaryDir annDir;
    QTemporaryDir bobDir;
    const quint16 port = support::freeTcpPort(QHostAddress::LocalHost);
    QProcess ann;
    QProcess bob;
    startCopy(ann, annDir.path(), {"Ann", "10.255.255.1", "true"}, port);
    ASSERT_TRUE(ann.waitForStarted());

    // The host is up once a spectator can get a seat.
    RawClient probe("Probe");
    ASSERT_TRUE(waitFor(
        [&] {
            if (probe.seat() != 0)
                return true;
            probe.connectTo(port);
            return probe.waitSeated(500);
        },
        15000));
    startCopy(bob, bobDir.path(), {"Bob", "127.0.0.1", "false"}, port);
    ASSERT_TRUE(bob.waitForStarted());

    // A latecomer sees both players seated, Ann on seat 1 and Bob on the next seat.
    ASSERT_TRUE(waitFor(
        [&] {
            for (const std::string& m : probe.of(Msg::NewPlayerInfo)) {
                if (m.find("+Bob+") != std::string::npos)
                    return true;
            }
            return false;
        },
        15000));
    RawClient late("Late");
    late.connectTo(port);
    ASSERT_TRUE(late.waitSeated());
    ASSERT_TRUE(waitFor([&] { return late.has(Msg::ExistingPlayers); }, 5000));
    const std::string existing = late.of(Msg::ExistingPlayers).front();
    // The hosting copy's own client normally connects first and holds seat 1.
    const std::string ann1 = probe.seat() == 1 ? "+Ann+0" : "+1+Ann+0";
    EXPECT_NE(existing.find(ann1), std::string::npos) << existing;
    EXPECT_NE(existing.find("+Bob+0"), std::string::npos) << existing;

    // The host's program ends: the joined copy loses its connection but stays open. A third
    // start in Bob's folder finds Bob's window there, brings it to the front and ends.
    ann.terminate();
    ASSERT_TRUE(ann.waitForFinished(10000));
    ASSERT_TRUE(late.waitClosed(10000));
    QProcess again;
    startCopy(again, bobDir.path(), {}, port);
    ASSERT_TRUE(again.waitForFinished(15000));
    EXPECT_EQ(again.exitCode(), 0);
    EXPECT_EQ(bob.state(), QProcess::Running);
    bob.terminate();
    ASSERT_TRUE(bob.waitForFinished(10000));
}

}  // namespace
