// SPDX-License-Identifier: GPL-3.0-or-later
// The host over real sockets on 127.0.0.1: raw protocol clients against the in-process host
// service and against the headless host program.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <csignal>
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

// A built message as it arrives: without its terminator.
std::string text(std::string wire) {
    while (!wire.empty() && wire.back() == protocol::kTerminator)
        wire.pop_back();
    return wire;
}

using HostServiceTest = HostServiceFixture;

TEST_F(HostServiceTest, NineSeatsThenTheTableIsFull) {
    for (int i = 1; i <= 9; ++i) {
        RawClient& c = join("P" + std::to_string(i));
        EXPECT_EQ(c.seat(), i);
    }
    RawClient tenth("Late");
    tenth.connectTo(host->port());
    ASSERT_TRUE(tenth.waitClosed());
    EXPECT_EQ(tenth.received(), (std::vector<std::string>{text(protocol::build(Msg::Full))}));
    EXPECT_EQ(host->session().game().seatcount, 9);
}

TEST_F(HostServiceTest, ChatArrivesWholeAtEveryClient) {
    RawClient& ann = join("Ann");
    RawClient& bob = join("Bob");
    bob.send(protocol::build(Msg::Chat, {2, "a+b=c :)#12|clRed"}));
    const std::string expected =
        text(protocol::build(Msg::ChatRelay, {2, "Bob chats: a+b=c :)#12|clRed"}));
    for (RawClient* c : {&ann, &bob}) {
        ASSERT_TRUE(waitFor([&] { return c->has(Msg::ChatRelay); }));
        EXPECT_EQ(c->of(Msg::ChatRelay).front(), expected);
    }
}

TEST_F(HostServiceTest, AKickClosesThePlayersConnectionAndFreesTheSeat) {
    RawClient& ann = join("Ann");
    RawClient& bob = join("Bob");
    ann.send(protocol::build(Msg::Kick, {1, 2}));
    ASSERT_TRUE(bob.waitClosed());
    ASSERT_TRUE(waitFor([&] { return ann.has(Msg::PlayerDisconnected); }));
    EXPECT_FALSE(host->session().game().seats[2].connected);
    RawClient& cid = join("Cid");
    EXPECT_EQ(cid.seat(), 2);
}

TEST_F(HostServiceTest, GarbageFromOnePeerLeavesTheOthersServed) {
    RawClient& ann = join("Ann");
    RawClient& bad = join("Bad");
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 37 + 11) % 256);
    bad.sendRaw(junk);
    bad.sendRaw(std::string(70 * 1024, 'x'));  // an endless message: the host hangs up
    ASSERT_TRUE(bad.waitClosed());
    ann.send(protocol::build(Msg::Chat, {1, "still here|clBlack"}));
    ASSERT_TRUE(waitFor([&] { return ann.has(Msg::ChatRelay); }));
}

TEST_F(HostServiceTest, ClientsPlayAWholeGameToAWinner) {
    RawClient& ann = join("Ann");
    RawClient& bob = join("Bob");
    RawClient& spy = join("Spy");
    RawClient& eve = join("Eve");
    RawClient& sam = join("Sam");  // seat 5 watches
    ann.setAutoPlay(true);
    bob.setAutoPlay(true);
    spy.setAutoPlay(true);
    eve.setAutoPlay(true);
    ann.send(protocol::build(Msg::StartGame, {"Ann", "40", "30"}));
    ASSERT_TRUE(waitFor([&] { return sam.has(Msg::Winner); }, 60000));
    for (RawClient* c : {&ann, &bob, &spy, &eve}) {
        ASSERT_TRUE(waitFor([&] { return c->has(Msg::Winner); }));
    }
    EXPECT_GT(ann.plays() + bob.plays() + spy.plays() + eve.plays(), 4);
    EXPECT_FALSE(host->session().game().gameon);
    EXPECT_TRUE(sam.of(Msg::MyTiles).empty());
}

TEST(HeadlessHost, ServesAGameAndStopsCleanlyOnSigterm) {
    QProcess process;
    process.setProgram(QStringLiteral(HEXALINE_HOST_BIN));
    process.setArguments({"--port", "0", "--second-ms", "2", "--bot-speed", "1"});
    process.start();
    ASSERT_TRUE(process.waitForStarted());
    QString out;
    int port = 0;
    ASSERT_TRUE(waitFor([&] {
        out += QString::fromUtf8(process.readAllStandardOutput());
        const auto match = QRegularExpression("listening on port (\\d+)").match(out);
        if (match.hasMatch())
            port = match.captured(1).toInt();
        return port != 0;
    }));

    RawClient ann("Ann");
    ann.connectTo(static_cast<quint16>(port));
    ASSERT_TRUE(ann.waitSeated());
    EXPECT_EQ(ann.seat(), 1);
    ann.send(protocol::build(Msg::StartGame, {"Ann", "0", "30"}));
    ann.send(protocol::build(Msg::JustWatch, {1, "1"}));  // the computer plays both seats
    ASSERT_TRUE(waitFor([&] { return ann.has(Msg::Winner); }, 60000));

    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(ann.waitClosed());
    // waitForFinished is false for a process that has already finished.
    ASSERT_TRUE(process.state() == QProcess::NotRunning || process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    out += QString::fromUtf8(process.readAllStandardOutput());
    for (const char* line : {"takes seat 1", "logs in as Ann", "game started by Ann",
                             "round 1 starts", "winner: ", "shutting down"}) {
        EXPECT_TRUE(out.contains(QString::fromLatin1(line))) << line << "\n" << out.toStdString();
    }
}

}  // namespace
