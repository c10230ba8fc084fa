// SPDX-License-Identifier: GPL-3.0-or-later
#include "client/client_session.h"

#include "protocol/builder.h"
#include "protocol/names.h"

namespace hexaline::session {

using protocol::isPlayerSeat;
using protocol::isSeat;
using protocol::kSeatCount;
using protocol::Msg;
using protocol::Reader;

namespace {
std::string spectatorEntry(int seat, const std::string& name) {
    return std::to_string(seat) + ": " + name;
}
}  // namespace

ClientSession::ClientSession(client::GameModel& model, client::ClientServices& services)
    : model_(model), services_(services) {}

void ClientSession::install(protocol::Dispatcher& dispatcher) {
    dispatcher.on(Msg::SendLoginInfo, [this](Reader& r, int) { sendloginfo(r); });
    dispatcher.on(Msg::NewPlayerInfo, [this](Reader& r, int) { newplayerinfo(r); });
    dispatcher.on(Msg::ExistingPlayers, [this](Reader& r, int) { newplayerinfo(r); });
    dispatcher.on(Msg::PlayerDisconnected, [this](Reader& r, int) { playerdisconnected(r); });
    dispatcher.on(Msg::JustWatching, [this](Reader& r, int) { justwatching(r); });
    dispatcher.on(Msg::HaveWrongVersion, [this](Reader& r, int) { havewrongversion(r); });
    dispatcher.on(Msg::WrongVersion, [this](Reader&, int) { wrongversion(); });
    dispatcher.on(Msg::Full, [this](Reader&, int) { full(); });
}

void ClientSession::sendloginfo(Reader& fields) {
    const int seat = fields.number();
    if (!isSeat(seat))
        return;  // no such seat: the host is not to be believed
    // The host takes its orders to start and to remove players from seat 1 alone.
    model_.setHost(services_.hostsGame() || seat == 1);
    model_.setMyseat(seat);
    model_.setConnected(true);
    services_.send(protocol::build(Msg::Login, {seat, std::string(protocol::kVersion),
                                                protocol::sanitizeName(services_.loginname())}));
}

void ClientSession::newplayerinfo(Reader& fields) {
    // There are never more groups than seats; a host that sends more is not heard further.
    for (int group = 0; group < kSeatCount && !fields.atListEnd(); ++group) {
        const int seat = fields.number();
        const std::string name = protocol::boundName(fields.text());
        const std::string flag = fields.text();
        if (!isSeat(seat))
            continue;
        if (seat == model_.myseat()) {
            model_.systemLine("You are Connected.");
            services_.loadinifile();
        } else {
            model_.systemLine(name + " is Connected.");
        }
        if (isPlayerSeat(seat)) {
            model_.seatTaken(seat, name);
            if (flag == "1")
                model_.setWatching(seat, true);
        } else {
            // A seat holds one spectator: a new announcement replaces the old entry.
            model_.addSpectator(spectatorEntry(seat, name));
            model_.systemLine(seat == model_.myseat() ? std::string("You are spying.")
                                                      : name + " is spying.");
        }
    }
    services_.playsounds("entered");
}

void ClientSession::playerdisconnected(Reader& fields) {
    const int seat = fields.number();
    const std::string name = protocol::boundName(fields.rest());
    if (isPlayerSeat(seat)) {
        const std::string caption = model_.playerName(seat);
        const bool person = caption != kWaiting && caption != model_.computerName(seat) &&
                            !caption.ends_with(kAway);
        if (person)
            model_.systemLine(caption + " disconnected.");
        // During a game the seat is kept for its player, and the computer plays it meanwhile:
        // the name and score stay, marked as away.
        if (person && model_.turnseat() != 0) {
            model_.setPlayerName(seat, caption + kAway);
            return;
        }
        model_.setPlayerName(seat, kWaiting);
        model_.setWatching(seat, false);
    } else if (isSeat(seat)) {
        if (model_.removeSpectator(spectatorEntry(seat, name)))
            model_.systemLine(name + " has left.");
    }
}

void ClientSession::justwatching(Reader& fields) {
    const int seat = fields.number();
    const std::string flag = fields.text();
    if (!isPlayerSeat(seat))
        return;
    const bool watching = flag == "1";
    if (seat == model_.myseat())
        model_.setJustWatching(watching);
    model_.systemLine(model_.playerName(seat) +
                      (watching ? " is just watching" : " is now playing again"));
    model_.setWatching(seat, watching);
}

void ClientSession::havewrongversion(Reader& fields) {
    model_.systemLine(protocol::boundName(fields.rest()) +
                      " has a different version of the game than you.");
}

void ClientSession::wrongversion() {
    model_.systemLine("You have a different version of the game than the host.");
}

void ClientSession::full() {
    services_.showMessageAndWait("Game is full");
    services_.closeWindow();
}

void ClientSession::toggleJustWatch() {
    const int myseat = model_.myseat();
    if (!model_.isconnected() || !isPlayerSeat(myseat))
        return;
    if (model_.justWatching()) {
        services_.send(protocol::build(Msg::JustWatch, {myseat, "2"}));
        return;
    }
    services_.send(protocol::build(Msg::JustWatch, {myseat, "1"}));
    if (model_.turnseat() == myseat)
        model_.withdrawTurn();
}

KickMenu ClientSession::kickMenuFor(int seat) const {
    KickMenu menu;
    menu.removeFromGame = menu.setToJustWatch = menu.unsetJustWatch = model_.ishost();
    if (model_.playerName(seat) == kWaiting)
        menu.removeFromGame = false;
    menu.target = seat;
    return menu;
}

void ClientSession::setToJustWatch(int target) {
    if (model_.isconnected() && isPlayerSeat(target))
        services_.send(protocol::build(Msg::JustWatch, {target, "1"}));
}

void ClientSession::unsetJustWatch(int target) {
    if (model_.isconnected() && isPlayerSeat(target))
        services_.send(protocol::build(Msg::JustWatch, {target, "2"}));
}

void ClientSession::kicking(int seat) {
    if (model_.ishost() && model_.isconnected())
        services_.send(protocol::build(Msg::Kick, {model_.myseat(), seat}));
}

void ClientSession::sockClosed() {
    const bool seated = model_.isconnected();
    model_.setConnected(false);
    services_.connectionEnded(seated);
}

}  // namespace hexaline::session
