// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/host_session.h"

#include "protocol/builder.h"
#include "protocol/message_table.h"
#include "protocol/names.h"

#include <vector>

namespace hexaline::session {

using protocol::isSeat;
using protocol::kPlayerSeats;
using protocol::kSeatCount;
using protocol::Msg;
using protocol::Reader;

HostSession::HostSession(HostPort& port, engine::Random& random)
    : port_(port), game_(*this, random) {}

void HostSession::install(protocol::Dispatcher& dispatcher) {
    dispatcher.on(Msg::Login, [this](Reader& r, int from) { receivedlogininfo(r, from); });
    dispatcher.on(Msg::Kick, [this](Reader& r, int from) { kickhim(r, from); });
    dispatcher.on(Msg::Chat, [this](Reader& r, int from) { chat(r, from); });
    dispatcher.on(Msg::Action, [this](Reader& r, int from) { action(r, from); });
    dispatcher.on(Msg::Sound, [this](Reader& r, int from) { playasound(r, from); });
    dispatcher.on(Msg::StartGame, [this](Reader& r, int from) { startgame(r, from); });
    dispatcher.on(Msg::JustWatch, [this](Reader& r, int from) { justwatch(r, from); });
    dispatcher.on(Msg::Play, [this](Reader& r, int from) { myturn(r, from); });
    dispatcher.on(Msg::Pass, [this](Reader& r, int from) { ipass(r, from); });
}

int HostSession::seatOf(ConnectionId connection) const {
    const auto it = seatOfConnection_.find(connection);
    return it == seatOfConnection_.end() ? 0 : it->second;
}

bool HostSession::speaksForItself(int seat, ConnectionId from) const {
    return seat != 0 && seatOf(from) == seat;
}

void HostSession::send(int seat, const std::string& message) {
    if (!isSeat(seat) || !game_.seats[seat].connected || conn_[seat] == 0)
        return;
    logAnnouncement(message);
    port_.send(conn_[seat], message);
}

void HostSession::sendtoall(const std::string& message) {
    for (int seat = 1; seat <= game_.seatcount; ++seat)
        send(seat, message);
}

void HostSession::logAnnouncement(const std::string& message) {
    // Round starts and winners go to every seat; log each once.
    if (message == lastAnnouncement_)
        return;
    const auto command = protocol::splitCommand(message);
    if (!command)
        return;
    const auto id = protocol::lookup(protocol::Direction::ToClient, command->word);
    if (id != Msg::RoundStarting && id != Msg::Winner)
        return;
    lastAnnouncement_ = message;
    Reader fields(*id, command->args.substr(0, command->args.find(protocol::kTerminator)));
    if (*id == Msg::Winner) {
        port_.log("winner: " + fields.text());
    } else {
        port_.log("round " + fields.text() + " starts");
    }
}

bool HostSession::admit(ConnectionId from, std::string_view message) {
    const auto command = protocol::splitCommand(message);
    if (!command)
        return true;  // the dispatcher reports it
    const auto id = protocol::lookup(protocol::Direction::ToHost, command->word);
    if (id != Msg::Chat && id != Msg::Action && id != Msg::Sound && id != Msg::JustWatch)
        return true;
    const int seat = seatOf(from);
    if (seat == 0)
        return false;  // no seat speaks for it
    switch (budgets_.spendSent(from, message.size(), port_.nowMs())) {
        case RelayBudget::Verdict::Relay:
            return true;
        case RelayBudget::Verdict::DropFirstOfBurst:
            port_.log("seat " + std::to_string(seat) +
                      " sends more than is passed on: its messages are dropped for a while");
            return false;
        case RelayBudget::Verdict::Drop:
            return false;
    }
    return false;
}

void HostSession::relay(ConnectionId from, const std::string& message) {
    const std::int64_t now = port_.nowMs();
    for (int seat = 1; seat <= game_.seatcount; ++seat) {
        const ConnectionId to = conn_[seat];
        if (to == 0 || !game_.seats[seat].connected)
            continue;
        if (to != from) {
            const auto verdict = budgets_.spendReceived(to, message.size(), now);
            if (verdict == RelayBudget::Verdict::DropFirstOfBurst) {
                port_.log("seat " + std::to_string(seat) +
                          " is sent more than is passed on: relays to it are dropped for a while");
            }
            if (verdict != RelayBudget::Verdict::Relay)
                continue;
        }
        send(seat, message);
    }
}

void HostSession::askLogin(ConnectionId connection, int seat) {
    const int timeout = port_.loginTimeoutMs();
    loginDue_[connection] = port_.nowMs() + timeout;
    port_.armLoginTimer(timeout);
    port_.send(connection, protocol::build(Msg::SendLoginInfo, {seat}));
}

void HostSession::expireLogins() {
    const std::int64_t now = port_.nowMs();
    std::vector<ConnectionId> late;
    std::int64_t next = -1;
    for (const auto& [connection, due] : loginDue_) {
        if (due <= now) {
            late.push_back(connection);
        } else if (next < 0 || due < next) {
            next = due;
        }
    }
    for (const ConnectionId connection : late) {
        loginDue_.erase(connection);
        port_.log("connection " + std::to_string(connection) + " did not log in in time: closed");
        port_.close(connection);
    }
    if (next >= 0)
        port_.armLoginTimer(static_cast<int>(next - now));
}

std::string HostSession::addressOf(ConnectionId connection) const {
    const auto it = addressOf_.find(connection);
    return it == addressOf_.end() ? std::string() : it->second;
}

int HostSession::takeFreeSeat(const std::string& address) {
    // A seat kept for a person who dropped out is given to nobody from another address.
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (game_.gameon && dropped_.isKeptFromElsewhere(seat, address))
            continue;
        if (game_.takeseat(seat, seat) != 0)
            return seat;
    }
    return 0;
}

void HostSession::onAccepted(ConnectionId connection) {
    const std::string address = port_.peerAddress(connection);
    const int seat = takeFreeSeat(address);
    if (seat == 0) {
        port_.log("connection " + std::to_string(connection) + " refused: the game is full");
        port_.send(connection, protocol::build(Msg::Full));
        port_.close(connection);
        return;
    }
    conn_[seat] = connection;
    seatOfConnection_[connection] = seat;
    addressOf_[connection] = address;
    budgets_.opened(connection, address, port_.nowMs());
    port_.log("connection " + std::to_string(connection) + " takes seat " + std::to_string(seat));
    askLogin(connection, seat);
}

void HostSession::connectionClosed(ConnectionId connection) {
    loginDue_.erase(connection);
    std::string address;
    if (const auto known = addressOf_.find(connection); known != addressOf_.end()) {
        address = known->second;
        addressOf_.erase(known);
        budgets_.closed(connection, port_.nowMs());
    }
    const auto it = seatOfConnection_.find(connection);
    if (it == seatOfConnection_.end())
        return;  // refused, or already released
    const int seat = it->second;
    const std::string name = game_.seats[seat].name;
    port_.log("seat " + std::to_string(seat) + " (" + name + ") left");
    // A person who drops out of a game may come back to the seat under the same name, from
    // the same address.
    if (game_.gameon)
        dropped_.dropped(seat, name, address);
    // The leaver gets no notice of its own departure.
    if (game_.release(seat))
        sendtoall(protocol::build(Msg::PlayerDisconnected, {seat, name}));
    vacate(connection, seat);
}

void HostSession::vacate(ConnectionId connection, int seat) {
    seatOfConnection_.erase(connection);
    loggedIn_.erase(connection);
    conn_[seat] = 0;
    // The computer plays the seat from now on; its score, hand and round stay, and a play
    // awaited from it is not waited for (the hosting user's seat excepted).
    if (game_.gameon && seat == game_.currentplayer && seat != 1)
        game_.turnseatleft(seat);
}

void HostSession::disconnectsock(int seat) {
    if (isSeat(seat) && game_.seats[seat].connected && conn_[seat] != 0)
        port_.close(conn_[seat]);
}

void HostSession::disconnectall() {
    for (int seat = 1; seat <= kSeatCount; ++seat)
        disconnectsock(seat);
}

void HostSession::receivedlogininfo(Reader& fields, ConnectionId from) {
    const int seat = fields.number();
    const std::string version = fields.text();
    const std::string name = protocol::boundName(protocol::sanitizeName(fields.rest()));
    if (!speaksForItself(seat, from))
        return;
    // One login per seat assignment; a connection that logs in again is not heard.
    if (!loggedIn_.insert(from).second)
        return;
    loginDue_.erase(from);
    const bool returning = game_.gameon && dropped_.seatFor(name, addressOf(from)) == seat;
    if (game_.gameon && !returning && seatElsewhere(from, seat, name))
        return;
    // Whoever logs in on a seat holds it from now on.
    dropped_.forget(seat);
    game_.login(seat, name);
    port_.log("seat " + std::to_string(seat) + " logs in as " + name);

    sendtoall(protocol::build(Msg::NewPlayerInfo, {}, {{seat, name, "0"}}));

    std::vector<protocol::Values> others;
    for (int s = 1; s <= game_.seatcount; ++s) {
        if (s == seat || !game_.seats[s].connected)
            continue;
        others.push_back({s, game_.seats[s].name, game_.seats[s].watching ? "1" : "0"});
    }
    if (!others.empty())
        send(seat, protocol::build(Msg::ExistingPlayers, {}, others));

    if (version != protocol::kVersion) {
        send(1, protocol::build(Msg::HaveWrongVersion, {name}));
        send(seat, protocol::build(Msg::WrongVersion));
    }
    if (!game_.gameon)
        return;
    // A person back in the middle of the own turn gets the turn, and then its time left.
    if (returning && seat == game_.currentplayer && game_.turnstate == engine::TurnState::Play)
        send(seat, protocol::build(Msg::NextPlayer, {seat, "t", game_.tilesleft()}));
    game_.bringuptodate(seat);
}

bool HostSession::seatElsewhere(ConnectionId from, int seat, const std::string& name) {
    const std::string address = addressOf(from);
    const int kept = dropped_.seatFor(name, address);
    if (kept != 0 && game_.holdseat(kept)) {
        port_.log("connection " + std::to_string(from) + " returns to seat " +
                  std::to_string(kept) + " (" + name + ")");
        reseat(from, seat, kept);
        return true;
    }
    // A person removed from the game may watch it, but not play in it again.
    if (seat > kPlayerSeats || !dropped_.isRemoved(name, address))
        return false;
    const int spectator = game_.takeseat(kPlayerSeats + 1, kSeatCount);
    if (spectator == 0) {
        port_.log("connection " + std::to_string(from) + " refused: " + name +
                  " was removed from the game and no spectator seat is free");
        unseat(from, seat);
        port_.send(from, protocol::build(Msg::Full));
        port_.close(from);
        return true;
    }
    port_.log("connection " + std::to_string(from) + " (" + name +
              ", removed from the game) watches from seat " + std::to_string(spectator));
    reseat(from, seat, spectator);
    return true;
}

void HostSession::unseat(ConnectionId from, int seat) {
    // The seat was never announced, so nobody is told it is free again.
    game_.release(seat);
    vacate(from, seat);
}

void HostSession::reseat(ConnectionId from, int seat, int target) {
    unseat(from, seat);
    conn_[target] = from;
    seatOfConnection_[from] = target;
    askLogin(from, target);
}

void HostSession::kickhim(Reader& fields, ConnectionId from) {
    const int sender = fields.number();
    const int target = fields.number();
    // Only the hosting user removes players.
    if (sender != 1 || !speaksForItself(sender, from))
        return;
    if (game_.gameon && isSeat(target) && game_.seats[target].connected)
        dropped_.removed(game_.seats[target].name, addressOf(conn_[target]));
    disconnectsock(target);
}

void HostSession::justwatch(Reader& fields, ConnectionId from) {
    const int seat = fields.number();
    const std::string flag = fields.text();
    if (seat < 1 || seat > game_.maxplayers)
        return;
    // A player switches itself; the hosting user may switch any player.
    if (!speaksForItself(seat, from) && !fromHostUser(from))
        return;
    if (flag == "2") {
        game_.watch(seat, false);
        sendtoall(protocol::build(Msg::JustWatching, {seat, "2"}));
    } else if (flag == "1" && game_.gameon) {
        game_.watch(seat, true);
        sendtoall(protocol::build(Msg::JustWatching, {seat, "1"}));
        game_.turnseatleft(seat);
    }
}

void HostSession::chat(Reader& fields, ConnectionId from) {
    const int seat = fields.number();
    if (!speaksForItself(seat, from))
        return;
    relay(from, protocol::build(Msg::ChatRelay,
                                {seat, game_.seats[seat].name + " chats: " + fields.rest()}));
}

void HostSession::action(Reader& fields, ConnectionId from) {
    const int seat = fields.number();
    if (!speaksForItself(seat, from))
        return;
    relay(from,
          protocol::build(Msg::ActionRelay, {seat, game_.seats[seat].name + " " + fields.rest()}));
}

void HostSession::playasound(Reader& fields, ConnectionId from) {
    const int seat = fields.number();
    if (!speaksForItself(seat, from))
        return;
    relay(from, protocol::build(Msg::SoundRelay, {seat, fields.rest()}));
}

void HostSession::startgame(Reader& fields, ConnectionId from) {
    if (!fromHostUser(from))
        return;
    const std::string name = fields.text();
    const std::string playto = fields.text();
    const std::string seconds = fields.text();
    port_.log("game started by " + name + " (play to " + playto + ", " + seconds + " s a turn)");
    dropped_.clear();
    game_.startgame(name, playto, seconds);
}

void HostSession::myturn(Reader& fields, ConnectionId from) {
    Reader probe = fields;
    if (!speaksForItself(probe.number(), from))
        return;
    game_.myturn(fields.rest());
}

void HostSession::ipass(Reader& fields, ConnectionId from) {
    const int seat = fields.number();
    if (!speaksForItself(seat, from))
        return;
    game_.ipass(seat);
}

}  // namespace hexaline::session
