// SPDX-License-Identifier: GPL-3.0-or-later
// The host session with its engine, driven by messages from connections held in memory.
#include <gtest/gtest.h>

#include "host/fake_host_port.h"
#include "host/host_session.h"
#include "protocol/builder.h"
#include "protocol/dispatcher.h"

using namespace hexaline;
using namespace hexaline::session;
using fakes::FakeHostPort;
using protocol::Msg;

namespace {

std::string text(const std::string& wire) {
    return FakeHostPort::text(wire);
}

class HostSessionTest : public ::testing::Test {
  protected:
    HostSessionTest() : random(12345), host(port, random) { host.install(dispatcher); }

    // A connection from `connection` (ids count from 1) that logs in under `name`.
    void join(ConnectionId connection, const std::string& name,
              const std::string& version = "1.0.1") {
        host.onAccepted(connection);
        const int seat = host.seatOf(connection);
        ASSERT_NE(seat, 0);
        say(connection, protocol::build(Msg::Login, {seat, version, name}));
    }
    // A message arriving on a connection, as the queue hands it over.
    protocol::Dispatcher::Outcome say(ConnectionId connection, const std::string& wire) {
        return dispatcher.dispatch(text(wire), connection).outcome;
    }
    // The transport reports every close the session asks for.
    void flushCloses() {
        while (!port.closed.empty()) {
            const ConnectionId c = port.closed.front();
            port.closed.erase(port.closed.begin());
            host.connectionClosed(c);
        }
    }
    // Runs the break timer until the engine stops arming it or `ticks` run out.
    void tickBreaks(int ticks) {
        for (int i = 0; i < ticks && port.breakArmed; ++i)
            host.breakTick();
    }

    FakeHostPort port;
    engine::Random random;
    HostSession host;
    protocol::Dispatcher dispatcher{protocol::Direction::ToHost};
};

TEST_F(HostSessionTest, SeatsAreHandedOutLowestFreeFirstAndTheTenthIsRefused) {
    for (ConnectionId c = 1; c <= 5; ++c)
        host.onAccepted(c);
    for (ConnectionId c = 1; c <= 5; ++c)
        EXPECT_EQ(host.seatOf(c), c);
    EXPECT_EQ(port.inbox[3].front(), text(protocol::build(Msg::SendLoginInfo, {3})));

    host.connectionClosed(3);
    host.onAccepted(6);
    EXPECT_EQ(host.seatOf(6), 3);  // the freed seat, not seat 6
    for (ConnectionId c = 7; c <= 10; ++c)
        host.onAccepted(c);
    EXPECT_EQ(host.game().seatcount, 9);

    host.onAccepted(11);
    EXPECT_EQ(port.inbox[11], (std::vector<std::string>{text(protocol::build(Msg::Full))}));
    EXPECT_EQ(port.closed, (std::vector<ConnectionId>{11}));
    flushCloses();
    EXPECT_EQ(host.game().seatcount, 9);
    EXPECT_EQ(host.seatOf(11), 0);
}

TEST_F(HostSessionTest, LoginAnnouncesTheNewcomerAndListsTheOthers) {
    join(1, "Ann");
    EXPECT_EQ(port.inbox[1],
              (std::vector<std::string>{
                  text(protocol::build(Msg::SendLoginInfo, {1})),
                  text(protocol::build(Msg::NewPlayerInfo, {}, {{1, "Ann", "0"}}))}));
    join(2, "Bob");
    join(3, "Cy+|d\x02");  // a name that would shift every message's fields
    EXPECT_EQ(host.game().seats[3].name, "Cy--d-");
    EXPECT_EQ(port.of(3, "CMD_existingplayers"),
              (std::vector<std::string>{text(
                  protocol::build(Msg::ExistingPlayers, {}, {{1, "Ann", "0"}, {2, "Bob", "0"}}))}));
    EXPECT_EQ(port.of(1, "CMD_newplayerinfo").back(),
              text(protocol::build(Msg::NewPlayerInfo, {}, {{3, "Cy--d-", "0"}})));
    EXPECT_TRUE(port.of(1, "CMD_existingplayers").empty());
}

TEST_F(HostSessionTest, AnotherVersionIsSeatedAndBothSidesAreTold) {
    join(1, "Ann");
    join(2, "Old", "0.9");
    EXPECT_EQ(port.of(1, "CMD_havewrongversion"),
              (std::vector<std::string>{text(protocol::build(Msg::HaveWrongVersion, {"Old"}))}));
    EXPECT_EQ(port.of(2, "CMD_wrongversion").size(), 1u);
    EXPECT_EQ(host.game().seats[2].name, "Old");
}

TEST_F(HostSessionTest, RelaysCarryTheSendersNameAndTheTextWhole) {
    join(1, "Ann");
    join(2, "Bob");
    say(2, protocol::build(Msg::Chat, {2, "1+1=2 |clRed"}));
    say(1, protocol::build(Msg::Action, {1, "says: Good One!|$00FF0000"}));
    say(2, protocol::build(Msg::Sound, {2, "wave7"}));
    for (ConnectionId c : {1, 2}) {
        EXPECT_EQ(port.of(c, "CMD_chat"), (std::vector<std::string>{text(protocol::build(
                                              Msg::ChatRelay, {2, "Bob chats: 1+1=2 |clRed"}))}));
        EXPECT_EQ(port.of(c, "CMD_action"),
                  (std::vector<std::string>{text(
                      protocol::build(Msg::ActionRelay, {1, "Ann says: Good One!|$00FF0000"}))}));
        EXPECT_EQ(port.of(c, "CMD_playasound"),
                  (std::vector<std::string>{text(protocol::build(Msg::Sound, {2, "wave7"}))}));
    }
}

TEST_F(HostSessionTest, NobodySpeaksForAnotherSeat) {
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cid");
    const auto before = port.inbox;
    say(2, protocol::build(Msg::Chat, {1, "I am Ann|clBlack"}));
    say(2, protocol::build(Msg::Login, {1, "1.0.1", "Mallory"}));
    say(2, protocol::build(Msg::Kick, {1, 3}));
    say(2, protocol::build(Msg::Kick, {2, 3}));
    say(2, protocol::build(Msg::StartGame, {"Bob", "500", "60"}));
    say(2, protocol::build(Msg::JustWatch, {3, "2"}));
    say(2, protocol::build(Msg::Pass, {1}));
    EXPECT_EQ(port.inbox, before);
    EXPECT_TRUE(port.closed.empty());
    EXPECT_FALSE(host.game().gameon);
    EXPECT_EQ(host.game().seats[1].name, "Ann");

    say(1, protocol::build(Msg::JustWatch, {3, "2"}));  // the hosting user may
    EXPECT_EQ(port.of(3, "CMD_justwatching").size(), 1u);
}

TEST_F(HostSessionTest, TheHostingUserRemovesAPlayerAndTheOthersAreTold) {
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cid");
    say(1, protocol::build(Msg::Kick, {1, 2}));
    EXPECT_EQ(port.closed, (std::vector<ConnectionId>{2}));
    flushCloses();
    host.connectionClosed(2);  // reported twice: harmless
    const std::string left = text(protocol::build(Msg::PlayerDisconnected, {2, "Bob"}));
    EXPECT_EQ(port.of(1, "CMD_playerdisconnected"), (std::vector<std::string>{left}));
    EXPECT_EQ(port.of(3, "CMD_playerdisconnected"), (std::vector<std::string>{left}));
    EXPECT_TRUE(port.of(2, "CMD_playerdisconnected").empty());
    EXPECT_FALSE(host.game().seats[2].connected);
    EXPECT_EQ(host.game().seats[2].name, "");
    say(1, protocol::build(Msg::Kick, {1, 7}));  // nobody there
    EXPECT_TRUE(port.closed.empty());
}

TEST_F(HostSessionTest, WatchingIsOnlySwitchedOnDuringAGame) {
    join(1, "Ann");
    join(2, "Bob");
    say(2, protocol::build(Msg::JustWatch, {2, "1"}));
    EXPECT_TRUE(port.of(1, "CMD_justwatching").empty());
    say(2, protocol::build(Msg::JustWatch, {2, "2"}));  // always echoed
    EXPECT_EQ(port.of(1, "CMD_justwatching").size(), 1u);

    say(1, protocol::build(Msg::StartGame, {"Ann", "500", "60"}));
    ASSERT_TRUE(host.game().gameon);
    say(2, protocol::build(Msg::JustWatch, {2, "1"}));
    EXPECT_TRUE(host.game().seats[2].watching);
    EXPECT_EQ(port.of(1, "CMD_justwatching").back(),
              text(protocol::build(Msg::JustWatching, {2, "1"})));
    say(1, protocol::build(Msg::JustWatch, {7, "1"}));  // not a player seat
    say(1, protocol::build(Msg::JustWatch, {2, "x"}));  // not a flag
    EXPECT_EQ(port.of(1, "CMD_justwatching").size(), 2u);
}

TEST_F(HostSessionTest, TheCurrentPlayerLeavingHandsTheTurnOnAndTheComputerPlaysTheSeat) {
    join(1, "Ann");
    join(2, "Bob");
    say(1, protocol::build(Msg::StartGame, {"Ann", "500", "60"}));
    ASSERT_EQ(host.game().currentplayer, 1);  // two connected seats: seat 1 or 2 opens
    // Let seat 1 pass so that seat 2 is the one awaited.
    say(1, protocol::build(Msg::Pass, {1}));
    tickBreaks(3);
    ASSERT_EQ(host.game().currentplayer, 2);
    ASSERT_EQ(host.game().turnstate, engine::TurnState::Play);
    const std::size_t before = port.of(1, "CMD_nextplayer").size();

    host.connectionClosed(2);
    EXPECT_EQ(host.game().currentplayer, 1);  // the next turn began at once
    EXPECT_EQ(port.of(1, "CMD_nextplayer").size(), before + 1);

    // Seat 2 stays in the round under its computer name.
    say(1, protocol::build(Msg::Pass, {1}));
    tickBreaks(3);
    EXPECT_EQ(host.game().currentplayer, 2);
    EXPECT_TRUE(port.computerArmed);
    host.computertimerTimer();
    EXPECT_EQ(port.of(1, "CMD_hisplay").size(), 1u);
}

TEST_F(HostSessionTest, ALatecomerTakesOverTheSeatsScoreAndHand) {
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cid");
    say(1, protocol::build(Msg::StartGame, {"Ann", "500", "60"}));
    const int current = host.game().currentplayer;
    say(current, protocol::build(Msg::Pass, {current}));
    host.connectionClosed(3);
    const auto hand = host.game().seats[3].hand;

    join(4, "Dee");  // gets seat 3 back
    ASSERT_EQ(host.seatOf(4), 3);
    EXPECT_EQ(port.of(4, "CMD_gamestats").size(), 1u);
    EXPECT_EQ(port.of(4, "CMD_loadboard").size(), 0u);  // nothing on the board yet
    std::vector<protocol::Values> slots;
    for (int s = 1; s <= 6; ++s)
        slots.push_back({s, hand[s]});
    EXPECT_EQ(port.of(4, "CMD_mytiles"),
              (std::vector<std::string>{text(protocol::build(Msg::MyTiles, {3}, slots))}));

    join(5, "Spy");  // seat 5 watches: no hand
    EXPECT_EQ(host.seatOf(5), 4);
    join(6, "Spy2");
    EXPECT_EQ(host.seatOf(6), 5);
    EXPECT_EQ(port.of(6, "CMD_gamestats").size(), 1u);
    EXPECT_TRUE(port.of(6, "CMD_mytiles").empty());
}

TEST_F(HostSessionTest, MalformedInputChangesNothing) {
    join(1, "Ann");
    join(2, "Bob");
    const auto inbox = port.inbox;
    const auto seats = host.game().seats;
    for (const char* junk : {"",
                             "CMD_chat",
                             "CMD_chat+",
                             "CMD_chat+x+hi",
                             "CMD_chat+99+hi",
                             "CMD_chat+-1+hi",
                             "CMD_logininfo+",
                             "CMD_logininfo+2",
                             "CMD_kickhim+1",
                             "CMD_kickhim+a+b+",
                             "CMD_justwatch+",
                             "CMD_justwatch+0+1",
                             "CMD_myturn+",
                             "CMD_myturn+2+1+99+99+1",
                             "CMD_ipass+",
                             "CMD_ipass+2147483648+",
                             "CMD_startgame+",
                             "\x01\x02\x03\xfe",
                             "CMD_playasound+2",
                             "CMD_myturn+2+7+1+1",
                             "+++",
                             "CMD_logininfo+2+1.0.1+"}) {
        say(2, std::string(junk) + protocol::kTerminator);
    }
    EXPECT_EQ(port.inbox.size(), inbox.size());
    for (int s = 1; s <= 2; ++s)
        EXPECT_EQ(host.game().seats[s].score, seats[s].score);
    EXPECT_EQ(host.game().seats[1].name, "Ann");
    EXPECT_FALSE(host.game().gameon);
}

TEST_F(HostSessionTest, AWholeGamePlaysToAWinner) {
    join(1, "Ann");
    say(1, protocol::build(Msg::StartGame, {"Ann", "20", "30"}));
    say(1, protocol::build(Msg::JustWatch, {1, "1"}));  // the computer plays both seats
    for (int step = 0; step < 20000 && host.game().gameon; ++step) {
        if (port.computerArmed) {
            host.computertimerTimer();
        } else {
            host.breakTick();
        }
    }
    ASSERT_FALSE(host.game().gameon);
    const auto winners = port.of(1, "CMD_winner");
    ASSERT_EQ(winners.size(), 1u);
    EXPECT_NE(std::find(port.logs.begin(), port.logs.end(),
                        "winner: " + std::string(winners[0].substr(11, winners[0].size() - 12))),
              port.logs.end());
}

}  // namespace
