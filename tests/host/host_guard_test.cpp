// SPDX-License-Identifier: GPL-3.0-or-later
// What one remote peer can take from the others, over real sockets against the host service:
// seats held without logging in, relay budgets refilled by reconnecting, a window flooded by
// many senders together, and seats won back or taken over by a name alone. 127.0.0.2 and
// 127.0.0.3 stand for other machines.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpSocket>
#include <climits>
#include <memory>

#include "host/host_service_fixture.h"
#include "protocol/builder.h"

namespace hexaline::session {
namespace {

using protocol::Msg;
using support::RawClient;
using support::waitFor;

const QString kHere = QStringLiteral("127.0.0.1");
const QString kElsewhere = QStringLiteral("127.0.0.2");
const QString kThirdMachine = QStringLiteral("127.0.0.3");

class HostGuardTest : public HostServiceFixture {
  protected:
    const engine::Host& game() { return host->session().game(); }

    // No timer of the host fires by itself: turns wait for ever.
    void stopTheClock() {
        host->options().secondMs = INT_MAX;
        host->options().botSpeed = [] { return INT_MAX; };
    }

    // Chats of `name` that reached `c`.
    static std::size_t chatsOf(const RawClient& c, const std::string& name) {
        std::size_t n = 0;
        std::string pattern = "+";  // (appended, as GCC 12's -Wrestrict misreads "+" + name)
        pattern += name;
        pattern += " chats: ";
        for (const std::string& m : c.of(Msg::ChatRelay))
            n += m.find(pattern) != std::string::npos;
        return n;
    }

    // Everything the host has been sent is handled, and what it passed on has reached `c`.
    void settle(RawClient& c) {
        ASSERT_TRUE(waitFor([&] { return host->link().queue().empty(); }));
        std::string mark = "settled ";
        mark += std::to_string(++marks_);
        c.send(protocol::build(Msg::Chat, {c.seat(), mark}));
        ASSERT_TRUE(waitFor([&] {
            for (const std::string& m : c.of(Msg::ChatRelay))
                if (m.find(mark) != std::string::npos)
                    return true;
            return false;
        }));
    }

    static void sendChats(RawClient& c, int count) {
        std::string burst;
        for (int i = 0; i < count; ++i)
            burst += protocol::build(Msg::Chat, {c.seat(), "line " + std::to_string(i)});
        c.sendRaw(burst);
    }

  private:
    int marks_ = 0;
};

}  // namespace

TEST_F(HostGuardTest, AConnectionThatNeverLogsInIsClosedAndItsSeatFreed) {
    host->options().loginTimeoutMs = 300;
    RawClient& ann = join("Ann");
    std::vector<std::unique_ptr<QTcpSocket>> squatters;
    for (int i = 0; i < 8; ++i) {
        squatters.push_back(std::make_unique<QTcpSocket>());
        squatters.back()->connectToHost(QHostAddress::LocalHost, host->port());
    }
    ASSERT_TRUE(waitFor([&] {
        for (const auto& s : squatters)
            if (s->state() != QAbstractSocket::UnconnectedState)
                return false;
        return true;
    }));
    EXPECT_FALSE(ann.waitClosed(0));
    EXPECT_EQ(join("Bob").seat(), 2);  // the seats the squatters held are free again
    int closedLines = 0;
    for (const QString& line : logs)
        closedLines += line.contains("did not log in in time");
    EXPECT_EQ(closedLines, 8);
}

TEST_F(HostGuardTest, ReconnectingNeverRefillsABudgetButTwoPeopleAtOneAddressHaveTheirOwn) {
    RawClient& ann = join("Ann");
    // Two people behind one address each have their whole budget.
    RawClient& bob = join("Bob", kElsewhere);
    RawClient& cid = join("Cid", kElsewhere);
    sendChats(bob, 30);
    sendChats(cid, 30);
    settle(ann);
    EXPECT_EQ(chatsOf(ann, "Bob"), 30u);
    EXPECT_EQ(chatsOf(ann, "Cid"), 30u);

    // A peer that connects, sends a burst and closes, over and over, gets no more through
    // than one that stays.
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 4; ++round) {
        RawClient& eve = join("Eve", kThirdMachine);
        sendChats(eve, 30);
        // It waits a while for its lines to come back (all do while its budget lasts), and
        // leaves.
        const bool allBack =
            waitFor([&] { return chatsOf(eve, "Eve") == 30; }, round == 0 ? 5000 : 300);
        if (round == 0) {
            EXPECT_TRUE(allBack);
        }
        eve.leave();
        ASSERT_TRUE(waitFor([&] { return game().seats[eve.seat()].name != "Eve"; }));
    }
    settle(ann);
    const double refill = 10.0 * double(clock.elapsed()) / 1000.0;  // 10 a second
    EXPECT_LE(double(chatsOf(ann, "Eve")), 30 + refill + 1);
}

TEST_F(HostGuardTest, AWindowIsSentNoMoreRelaysThanItsBoundWhoeverSendsThem) {
    RawClient& ann = join("Ann");
    std::vector<RawClient*> senders;
    for (const char* name : {"S1", "S2", "S3", "S4", "S5"})
        senders.push_back(&join(name));
    QElapsedTimer clock;
    clock.start();
    for (RawClient* s : senders)
        sendChats(*s, 30);  // each within its own budget
    settle(ann);
    std::size_t toAnn = 0;
    for (const char* name : {"S1", "S2", "S3", "S4", "S5"})
        toAnn += chatsOf(ann, name);
    const double refill = 40.0 * double(clock.elapsed()) / 1000.0;  // 40 a second
    EXPECT_LE(double(toAnn), 100 + refill + 1);
    // Everybody's own lines always come back to them.
    for (RawClient* s : senders) {
        const std::string name = game().seats[s->seat()].name;
        EXPECT_TRUE(waitFor([&] { return chatsOf(*s, name) == 30; })) << name;
    }
}

TEST_F(HostGuardTest, ARemovedPlayerOnlyWatchesUnderAnySpellingFromTheSameAddress) {
    stopTheClock();
    RawClient& ann = join("Ann");
    join("Bob");
    RawClient& p3 = join("P3", kElsewhere);
    ann.send(protocol::build(Msg::StartGame, {"Ann", "500", "60"}));
    ASSERT_TRUE(waitFor([&] { return game().gameon; }));
    ann.send(protocol::build(Msg::Kick, {1, p3.seat()}));
    ASSERT_TRUE(p3.waitClosed());
    ASSERT_TRUE(waitFor([&] { return !game().seats[3].connected; }));

    for (const char* name : {"p3", "P3 ", "P3-", "Someone"}) {
        RawClient& back = arrive(name, kElsewhere);
        EXPECT_GT(back.seat(), engine::kMaxPlayers) << name;
        EXPECT_TRUE(back.of(Msg::MyTiles).empty()) << name;
        back.drop();
        ASSERT_TRUE(waitFor([&] { return !game().seats[back.seat()].connected; }));
    }
    // Another machine is not barred.
    EXPECT_EQ(arrive("Dan", kHere).seat(), 3);
}

TEST_F(HostGuardTest, ANameAloneNeverGivesAKeptSeatToAStrangerFromElsewhere) {
    stopTheClock();
    RawClient& ann = join("Ann");
    RawClient& bob = join("Bob", kElsewhere);
    ann.send(protocol::build(Msg::StartGame, {"Ann", "500", "60"}));
    ASSERT_TRUE(waitFor([&] { return game().gameon && bob.has(Msg::MyTiles); }));
    const auto annHand = game().seats[1].hand;

    // The hosting user drops; a stranger from another machine claims the name.
    ann.drop();
    ASSERT_TRUE(waitFor([&] { return !game().seats[1].connected; }));
    RawClient& stranger = arrive("Ann", kElsewhere);
    EXPECT_NE(stranger.seat(), 1);
    EXPECT_FALSE(game().seats[1].connected);
    // It cannot act as the hosting user: its removal of Bob is not heard.
    stranger.send(protocol::build(Msg::Kick, {1, 2}));
    stranger.send(protocol::build(Msg::Kick, {stranger.seat(), 2}));
    settle(bob);
    EXPECT_FALSE(bob.waitClosed(0));

    // Ann, from her own machine, gets her seat and hand back.
    RawClient& annBack = arrive("Ann", kHere);
    EXPECT_EQ(annBack.seat(), 1);
    EXPECT_EQ(game().seats[1].hand, annHand);

    // Bob's kept seat goes back only to his own address.
    bob.drop();
    ASSERT_TRUE(waitFor([&] { return !game().seats[2].connected; }));
    EXPECT_NE(arrive("Bob", kHere).seat(), 2);
    EXPECT_FALSE(game().seats[2].connected);
    EXPECT_EQ(arrive("Bob", kElsewhere).seat(), 2);
}

}  // namespace hexaline::session
