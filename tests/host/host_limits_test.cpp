// SPDX-License-Identifier: GPL-3.0-or-later
// What one connection can make the host pass on to everybody: relays within a budget, one
// login per seat, names of bounded length.
#include <gtest/gtest.h>

#include "host/fake_host_port.h"
#include "host/host_session.h"
#include "host/relay_budget.h"
#include "host/relay_budgets.h"
#include "protocol/builder.h"
#include "protocol/dispatcher.h"
#include "protocol/names.h"

using namespace hexaline;
using namespace hexaline::session;
using fakes::FakeHostPort;
using protocol::Msg;

namespace {

class HostLimitsTest : public ::testing::Test {
  protected:
    HostLimitsTest() : random(7), host(port, random) {
        host.install(dispatcher);
        join(1, "Ann");
        join(2, "Bob");
    }
    void join(ConnectionId connection, const std::string& name) {
        host.onAccepted(connection);
        say(connection, protocol::build(Msg::Login, {host.seatOf(connection), "1.0.1", name}));
    }
    // A message arrives (and is counted) and is then handled, as the transport does it.
    void say(ConnectionId connection, const std::string& wire) {
        if (host.admit(connection, FakeHostPort::text(wire)))
            dispatcher.dispatch(FakeHostPort::text(wire), connection);
    }
    std::size_t chatsAt(ConnectionId c) const { return port.of(c, "CMD_chat").size(); }

    FakeHostPort port;
    engine::Random random;
    HostSession host;
    protocol::Dispatcher dispatcher{protocol::Direction::ToHost};
};

}  // namespace

TEST(RelayBudget, AllowsBurstsAndARateAndReportsTheFirstDropOfEachBurst) {
    RelayBudget budget(
        {.messagesPerSecond = 10, .messageBurst = 3, .bytesPerSecond = 100, .byteBurst = 100});
    using V = RelayBudget::Verdict;
    EXPECT_EQ(budget.spend(0, 10), V::Relay);
    EXPECT_EQ(budget.spend(0, 10), V::Relay);
    EXPECT_EQ(budget.spend(0, 10), V::Relay);
    EXPECT_EQ(budget.spend(0, 10), V::DropFirstOfBurst);
    EXPECT_EQ(budget.spend(50, 10), V::Drop);
    EXPECT_EQ(budget.spend(100, 10), V::Relay);              // 100 ms: one message more
    EXPECT_EQ(budget.spend(200, 101), V::DropFirstOfBurst);  // never more than the byte burst
    EXPECT_EQ(budget.spend(10000, 90), V::Relay);
    EXPECT_EQ(budget.spend(10000, 20), V::DropFirstOfBurst);  // the bytes ran out
    EXPECT_EQ(budget.spend(5000, 20), V::Drop);               // a clock going back refills nothing
}

TEST_F(HostLimitsTest, AFloodingSeatIsCutOffAtItsBudgetAndOthersStillSpeak) {
    for (int i = 0; i < 200; ++i)
        say(2, protocol::build(Msg::Chat, {2, "spam " + std::to_string(i)}));
    const std::size_t passed = chatsAt(1);
    EXPECT_GE(passed, 10u);
    EXPECT_LE(passed, 30u);
    int dropLogs = 0;
    for (const std::string& line : port.logs)
        dropLogs += line.find("dropped") != std::string::npos;
    EXPECT_EQ(dropLogs, 1);  // once per burst

    say(1, protocol::build(Msg::Chat, {1, "still here"}));  // another seat has its own budget
    EXPECT_EQ(chatsAt(2), passed + 1);
    // Actions, sounds and watch requests come out of the same budget.
    say(2, protocol::build(Msg::Action, {2, "waves"}));
    say(2, protocol::build(Msg::Sound, {2, "wave3"}));
    say(2, protocol::build(Msg::JustWatch, {2, "2"}));
    EXPECT_TRUE(port.of(1, "CMD_action").empty());
    EXPECT_TRUE(port.of(1, "CMD_playasound").empty());
    EXPECT_TRUE(port.of(1, "CMD_justwatching").empty());

    port.now += 60'000;  // a minute later the budget is back
    const std::size_t before = chatsAt(1);
    say(2, protocol::build(Msg::Chat, {2, "hello again"}));
    EXPECT_EQ(chatsAt(1), before + 1);
    // A large text spends the byte budget: one 60 KB chat is never passed on.
    say(2, protocol::build(Msg::Chat, {2, std::string(60000, 'x')}));
    EXPECT_EQ(chatsAt(1), before + 1);
}

TEST(RelayBudgets, AReconnectTakesOverTheEmptiestBudgetItsAddressLeft) {
    RelayBudgets budgets;
    using V = RelayBudget::Verdict;
    auto sendAll = [&](ConnectionId c, int count, std::int64_t now) {
        int relayed = 0;
        for (int i = 0; i < count; ++i)
            relayed += budgets.spendSent(c, 10, now) == V::Relay;
        return relayed;
    };
    // Two connections from one address: each has the whole burst.
    budgets.opened(1, "10.0.0.9", 0);
    budgets.opened(2, "10.0.0.9", 0);
    EXPECT_EQ(sendAll(1, 40, 0), 30);
    EXPECT_EQ(sendAll(2, 20, 0), 20);
    // Both close; the next connection from there starts with the emptier budget, and its
    // drops continue the burst that is already logged.
    budgets.closed(2, 0);
    budgets.closed(1, 0);
    EXPECT_EQ(budgets.rememberedFor("10.0.0.9"), 2u);
    budgets.opened(3, "10.0.0.9", 0);
    EXPECT_EQ(budgets.spendSent(3, 10, 0), V::Drop);
    budgets.opened(4, "10.0.0.9", 0);
    EXPECT_EQ(sendAll(4, 20, 0), 10);
    EXPECT_EQ(budgets.rememberedFor("10.0.0.9"), 0u);
    // Another address is not touched; a remembered budget refills with time as any does,
    // and is forgotten after a minute.
    budgets.opened(5, "10.0.0.8", 0);
    EXPECT_EQ(sendAll(5, 30, 0), 30);
    budgets.closed(3, 1000);
    budgets.opened(6, "10.0.0.9", 1000);
    EXPECT_EQ(sendAll(6, 30, 1000), 10);
    budgets.closed(6, 2000);
    budgets.opened(7, "10.0.0.1", 62'001);
    EXPECT_EQ(budgets.rememberedFor("10.0.0.9"), 0u);
}

TEST(RelayBudgets, AReceiverIsBoundWhoeverSends) {
    RelayBudgets::Limits limits;
    limits.receiver.messagesPerSecond = 1;
    limits.receiver.messageBurst = 5;
    RelayBudgets budgets(limits);
    using V = RelayBudget::Verdict;
    int relayed = 0;
    for (int i = 0; i < 20; ++i)
        relayed += budgets.spendReceived(1, 10, 0) == V::Relay;
    EXPECT_EQ(relayed, 5);
    EXPECT_EQ(budgets.spendReceived(2, 10, 0), V::Relay);  // each receiver has its own
    budgets.closed(1, 0);
    EXPECT_EQ(budgets.spendReceived(1, 10, 0), V::Relay);  // a closed receiver is forgotten
}

TEST_F(HostLimitsTest, LinesAreCountedWhenTheyArriveNotWhenTheBusyHostHandlesThem) {
    // Ten lines a second for five seconds arrive while the host is busy, and are handled at
    // once afterwards: none is lost.
    std::vector<std::string> arrived;
    for (int i = 0; i < 50; ++i) {
        const std::string line = FakeHostPort::text(protocol::build(Msg::Chat, {2, "line"}));
        EXPECT_TRUE(host.admit(2, line)) << i;
        arrived.push_back(line);
        port.now += 100;
    }
    for (const std::string& line : arrived)
        dispatcher.dispatch(line, 2);
    EXPECT_EQ(chatsAt(1), 50u);
    // Other messages are never counted.
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(host.admit(2, FakeHostPort::text(protocol::build(Msg::Pass, {2}))));
}

TEST_F(HostLimitsTest, AConnectionThatDoesNotLogInInTimeIsClosed) {
    host.onAccepted(3);
    port.now += 5000;
    host.onAccepted(4);
    say(4, protocol::build(Msg::Login, {host.seatOf(4), "1.0.1", "Dee"}));
    host.expireLogins();
    EXPECT_TRUE(port.closed.empty());
    port.now += 5000;
    host.expireLogins();
    EXPECT_EQ(port.closed, (std::vector<ConnectionId>{3}));
    port.now += 60'000;
    host.expireLogins();
    EXPECT_EQ(port.closed, (std::vector<ConnectionId>{3}));  // Dee logged in
}

TEST_F(HostLimitsTest, ASeatLogsInOnceAndItsNameIsBounded) {
    const std::size_t before = port.of(1, "CMD_newplayerinfo").size();
    for (int i = 0; i < 50; ++i)
        say(2, protocol::build(Msg::Login, {2, "1.0.1", std::string(60000, 'n')}));
    EXPECT_EQ(port.of(1, "CMD_newplayerinfo").size(), before);
    EXPECT_EQ(host.game().seats[2].name, "Bob");

    // After the seat is freed and handed out again, the new connection logs in once.
    host.connectionClosed(2);
    join(3, std::string(300, 'z') + "\xC3\xBC");
    ASSERT_EQ(host.seatOf(3), 2);
    EXPECT_EQ(host.game().seats[2].name, std::string(64, 'z'));
    EXPECT_EQ(port.of(1, "CMD_newplayerinfo").size(), before + 1);
}

TEST(BoundName, NeverCutsACharacterInTwo) {
    EXPECT_EQ(protocol::boundName("Ann"), "Ann");
    EXPECT_EQ(protocol::boundName("ab\xC3\xBC", 3), "ab");
    EXPECT_EQ(protocol::boundName("ab\xC3\xBC", 4), "ab\xC3\xBC");
    EXPECT_EQ(protocol::boundName("\xE2\x82\xAC\xE2\x82\xAC", 5), "\xE2\x82\xAC");
}
