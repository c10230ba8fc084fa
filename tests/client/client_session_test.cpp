// SPDX-License-Identifier: GPL-3.0-or-later
// The client session against host messages, without a window or a socket.
#include <gtest/gtest.h>
#include <algorithm>

#include "client/client_session.h"
#include "client/game_model.h"
#include "client/recording_services.h"
#include "protocol/builder.h"
#include "protocol/dispatcher.h"
#include "protocol/names.h"

using namespace hexaline;
using namespace hexaline::session;
using protocol::Msg;

namespace {

class ClientSessionTest : public ::testing::Test {
  protected:
    ClientSessionTest() : session(view, services) {
        session.install(dispatcher);
        QObject::connect(&view, &client::GameModel::chatLine,
                         [this](const std::string& line, std::uint32_t colour) {
                             EXPECT_EQ(colour, kSystemColour);
                             lines.push_back(line);
                         });
    }

    std::array<std::string, 5> names() const {
        return {"", view.playerName(1), view.playerName(2), view.playerName(3), view.playerName(4)};
    }

    // Delivers a host message the way the client's queue does.
    void receive(const std::string& wire) {
        std::string text = wire;
        while (!text.empty() && text.back() == protocol::kTerminator)
            text.pop_back();
        dispatcher.dispatch(text);
    }

    void seatAs(int seat, const std::string& name = "Ann") {
        services.name = name;
        receive(protocol::build(Msg::SendLoginInfo, {seat}));
        receive(protocol::build(Msg::NewPlayerInfo, {}, {{seat, name, "0"}}));
    }

    client::GameModel view;
    client::fakes::RecordingServices services;
    protocol::Dispatcher dispatcher{protocol::Direction::ToClient};
    ClientSession session;
    std::vector<std::string>& sent = services.sent;
    std::vector<std::string> lines;
    std::vector<std::string>& sounds = services.sounds;
    std::vector<std::string>& boxes = services.boxes;
    int& loads = services.loads;
    int& closes = services.closes;
};

TEST_F(ClientSessionTest, LogsInWithItsSeatVersionAndASafeName) {
    services.name = "A+n|n\x01";
    receive(protocol::build(Msg::SendLoginInfo, {3}));
    EXPECT_EQ(view.myseat(), 3);
    EXPECT_TRUE(view.isconnected());
    EXPECT_FALSE(view.ishost());
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], protocol::build(Msg::Login, {3, "1.0.1", "A-n-n-"}));
}

// Seat 1 leads a game it joined; the window that hosts the game leads it from any seat.
TEST_F(ClientSessionTest, SeatOneOrTheHostingWindowLeadsTheGame) {
    receive(protocol::build(Msg::SendLoginInfo, {1}));
    EXPECT_TRUE(view.ishost());
    services.hosting = true;
    receive(protocol::build(Msg::SendLoginInfo, {3}));
    EXPECT_TRUE(view.ishost());
    services.hosting = false;
    receive(protocol::build(Msg::SendLoginInfo, {2}));
    EXPECT_FALSE(view.ishost());
    session.sockClosed();
    EXPECT_EQ(services.ends, std::vector<bool>{true});
    EXPECT_FALSE(view.isconnected());
}

TEST_F(ClientSessionTest, OwnAnnouncementConnectsAndLoadsSettingsOthersAreNamed) {
    seatAs(1);
    EXPECT_EQ(lines, (std::vector<std::string>{"0+You are Connected."}));
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(view.playerName(1), "Ann");
    EXPECT_TRUE(view.seat(1).scoreShown);

    receive(protocol::build(Msg::ExistingPlayers, {}, {{2, "Bob", "1"}, {6, "Eve", "0"}}));
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(view.playerName(2), "Bob");
    EXPECT_TRUE(view.seat(2).watching);
    EXPECT_EQ(view.spectators(), (std::vector<std::string>{"6: Eve"}));
    EXPECT_EQ(lines.back(), "0+Eve is spying.");
    EXPECT_EQ(lines[1], "0+Bob is Connected.");
    EXPECT_EQ(sounds, (std::vector<std::string>{"entered", "entered"}));
}

TEST_F(ClientSessionTest, ASpectatorSeesItselfSpying) {
    seatAs(6, "Sam");
    EXPECT_EQ(lines, (std::vector<std::string>{"0+You are Connected.", "0+You are spying."}));
    EXPECT_EQ(view.spectators(), (std::vector<std::string>{"6: Sam"}));
}

TEST_F(ClientSessionTest, DeparturesOfPlayersComputersAndSpectators) {
    seatAs(1);
    receive(protocol::build(Msg::NewPlayerInfo, {}, {{2, "Bob", "0"}}));
    receive(protocol::build(Msg::JustWatching, {2, "1"}));
    lines.clear();
    receive(protocol::build(Msg::PlayerDisconnected, {2, "Bob"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"0+Bob disconnected."}));
    EXPECT_EQ(view.playerName(2), kWaiting);
    EXPECT_FALSE(view.seat(2).watching);

    view.setPlayerName(3, "Klick");  // the computer played the free seat
    receive(protocol::build(Msg::PlayerDisconnected, {3, "Cid"}));
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(view.playerName(3), kWaiting);

    receive(protocol::build(Msg::PlayerDisconnected, {7, "Nobody"}));  // never listed
    EXPECT_EQ(lines.size(), 1u);
    receive(protocol::build(Msg::NewPlayerInfo, {}, {{7, "Zed", "0"}}));
    receive(protocol::build(Msg::PlayerDisconnected, {7, "Zed"}));
    EXPECT_EQ(lines.back(), "0+Zed has left.");
    EXPECT_TRUE(view.spectators().empty());
}

// A player who drops out of a running game keeps the seat, name and score, marked as away,
// while the computer plays it; back under the same name, the mark goes.
TEST_F(ClientSessionTest, APlayerWhoDropsOutOfARunningGameIsAway) {
    seatAs(1);
    receive(protocol::build(Msg::NewPlayerInfo, {}, {{2, "Bob", "0"}}));
    view.setTurnseat(1);  // a game is on
    lines.clear();
    receive(protocol::build(Msg::PlayerDisconnected, {2, "Bob"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"0+Bob disconnected."}));
    EXPECT_EQ(view.playerName(2), std::string("Bob") + kAway);
    EXPECT_TRUE(view.seat(2).scoreShown);
    view.setHost(true);
    EXPECT_TRUE(session.kickMenuFor(2).removeFromGame);
    receive(protocol::build(Msg::NewPlayerInfo, {}, {{2, "Bob", "0"}}));
    EXPECT_EQ(view.playerName(2), "Bob");

    // Between games a departure frees the seat, away or not.
    receive(protocol::build(Msg::PlayerDisconnected, {2, "Bob"}));
    view.setTurnseat(0);
    receive(protocol::build(Msg::PlayerDisconnected, {2, "Bob"}));
    EXPECT_EQ(view.playerName(2), kWaiting);
    // One line each time Bob left, none for an away seat that is freed.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "0+Bob disconnected."), 2);
}

TEST_F(ClientSessionTest, JustWatchFollowsTheHostsWordOnly) {
    seatAs(2);
    session.toggleJustWatch();  // no check mark yet: ask to watch
    EXPECT_EQ(sent.back(), protocol::build(Msg::JustWatch, {2, "1"}));
    EXPECT_FALSE(view.justWatching());  // clicking never sets the mark itself

    receive(protocol::build(Msg::JustWatching, {2, "1"}));
    EXPECT_TRUE(view.justWatching());
    EXPECT_TRUE(view.seat(2).watching);
    EXPECT_EQ(lines.back(), "0+Ann is just watching");

    session.toggleJustWatch();
    EXPECT_EQ(sent.back(), protocol::build(Msg::JustWatch, {2, "2"}));
    receive(protocol::build(Msg::JustWatching, {2, "2"}));
    EXPECT_FALSE(view.justWatching());
    EXPECT_EQ(lines.back(), "0+Ann is now playing again");

    receive(protocol::build(Msg::JustWatching, {3, "1"}));  // another seat leaves our mark alone
    EXPECT_FALSE(view.justWatching());
    receive(protocol::build(Msg::JustWatching, {8, "1"}));  // spectators are not watched seats
    EXPECT_EQ(lines.back(), "0+<Waiting> is just watching");
}

TEST_F(ClientSessionTest, WatchingDuringTheOwnTurnWithdrawsTheTiles) {
    seatAs(1);
    view.setTurnseat(1);
    view.setHandTile(2, 9);
    view.setSquare(4, 4, client::Square{9, 2});
    view.setPlaced(2, {4, 4});
    session.toggleJustWatch();
    EXPECT_EQ(view.turnseat(), 0);  // no more input this turn
    EXPECT_EQ(view.board().at(4, 4).tile, 0);
    EXPECT_FALSE(view.tilesLaid());
    view.setTurnseat(2);
    view.setSquare(5, 5, client::Square{9, 2});
    view.setPlaced(2, {5, 5});
    session.toggleJustWatch();  // another seat's turn: nothing to take back
    EXPECT_EQ(view.turnseat(), 2);
    EXPECT_TRUE(view.tilesLaid());
}

TEST_F(ClientSessionTest, SpectatorsAndUnconnectedClientsSendNoWatchRequest) {
    session.toggleJustWatch();
    seatAs(5);
    session.toggleJustWatch();
    session.setToJustWatch(2);        // a connected client may ask for any player seat
    EXPECT_EQ(sent.size(), 2u);       // the login and that request
    session.setToJustWatch(5);
    EXPECT_EQ(sent.size(), 2u);
}

TEST_F(ClientSessionTest, OnlyTheHostMayRemoveOrSetPlayersToWatch) {
    seatAs(2);
    KickMenu menu = session.kickMenuFor(1);
    EXPECT_FALSE(menu.removeFromGame || menu.setToJustWatch || menu.unsetJustWatch);
    session.kicking(1);
    EXPECT_EQ(sent.size(), 1u);

    view.setHost(true);
    menu = session.kickMenuFor(3);  // "<Waiting>"
    EXPECT_FALSE(menu.removeFromGame);
    EXPECT_TRUE(menu.setToJustWatch && menu.unsetJustWatch);
    EXPECT_EQ(menu.target, 3);
    menu = session.kickMenuFor(2);
    EXPECT_TRUE(menu.removeFromGame);
    session.kicking(4);
    EXPECT_EQ(sent.back(), protocol::build(Msg::Kick, {2, 4}));
}

TEST_F(ClientSessionTest, VersionNoticesFullTableAndClosedConnection) {
    receive(protocol::build(Msg::HaveWrongVersion, {"Bob"}));
    receive(protocol::build(Msg::WrongVersion));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "0+Bob has a different version of the game than you.",
                         "0+You have a different version of the game than the host."}));
    receive(protocol::build(Msg::Full));
    EXPECT_EQ(boxes, (std::vector<std::string>{"Game is full"}));
    EXPECT_EQ(closes, 1);
    session.sockClosed();
    EXPECT_EQ(services.ends, std::vector<bool>{false});  // never seated
}

TEST_F(ClientSessionTest, MalformedAnnouncementsStopWithoutHarm) {
    seatAs(1);
    const auto before = names();
    EXPECT_EQ(dispatcher.dispatch("CMD_newplayerinfo+x+Bob+0").outcome,
              protocol::Dispatcher::Outcome::Failed);
    EXPECT_EQ(dispatcher.dispatch("CMD_newplayerinfo+2").outcome,
              protocol::Dispatcher::Outcome::Failed);
    dispatcher.dispatch("CMD_newplayerinfo+-3+Bob+0");
    dispatcher.dispatch("CMD_playerdisconnected+99+x");
    dispatcher.dispatch("CMD_justwatching++1");
    EXPECT_EQ(names(), before);
}

}  // namespace

// A hostile host cannot make the client hold more than nine seats' worth.
TEST_F(ClientSessionTest, AHostileHostCannotPileUpSeatsNamesOrSpectators) {
    receive(protocol::build(Msg::SendLoginInfo, {1000}));
    EXPECT_FALSE(view.isconnected());
    seatAs(6, "Eve");
    for (int i = 0; i < 500; ++i) {
        receive(protocol::build(
            Msg::NewPlayerInfo, {},
            {{7, "Spy" + std::to_string(i), "0"}, {8, std::string(5000, 'n'), "0"}}));
    }
    EXPECT_EQ(view.spectators().size(), 3u);  // seats 6, 7 and 8, each once
    EXPECT_EQ(view.spectators()[1], "7: Spy499");
    // The spy list's entry, seat included, is cut to the bound of a name.
    EXPECT_EQ(view.spectators()[2], "8: " + std::string(protocol::kMaxNameBytes - 3, 'n'));

    std::vector<protocol::Values> many;
    for (int i = 0; i < 1000; ++i)
        many.push_back({(i % 20) - 5, "X", "0"});  // seats far outside 1 to 9 among them
    const std::size_t linesBefore = lines.size();
    receive(protocol::build(Msg::ExistingPlayers, {}, many));
    EXPECT_LE(lines.size() - linesBefore, 2u * 9);  // nine groups at most
    EXPECT_LE(view.spectators().size(), 5u);
    for (const std::string& entry : view.spectators())
        EXPECT_LE(entry.size(), 3 + protocol::kMaxNameBytes);

    receive(protocol::build(Msg::PlayerDisconnected, {7, "Spy499"}));
    EXPECT_EQ(std::count(view.spectators().begin(), view.spectators().end(), "7: Spy499"), 0);
}
