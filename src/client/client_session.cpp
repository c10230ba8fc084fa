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

ClientSession::ClientSession(SeatView& view, client::ClientServices& services)
    : view_(view), services_(services) {}

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

void ClientSession::systemLine(const std::string& text) {
    view_.addlinetochat("0+" + text, kSystemColour);
}

void ClientSession::sendloginfo(Reader& fields) {
    const int seat = fields.number();
    if (!isSeat(seat))
        return;  // no such seat: the host is not to be believed
    // The host takes its orders to start and to remove players from seat 1 alone.
    view_.setHost(services_.hostsGame() || seat == 1);
    view_.setMyseat(seat);
    view_.setConnected(true);
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
        if (seat == view_.myseat()) {
            systemLine("You are Connected.");
            services_.loadinifile();
        } else {
            systemLine(name + " is Connected.");
        }
        if (isPlayerSeat(seat)) {
            view_.seatTaken(seat, name);
            if (flag == "1")
                view_.setWatching(seat, true);
        } else {
            // A seat holds one spectator: a new announcement replaces the old entry.
            view_.addSpectator(spectatorEntry(seat, name));
            systemLine(seat == view_.myseat() ? std::string("You are spying.")
                                              : name + " is spying.");
        }
    }
    services_.playsounds("entered");
}

void ClientSession::playerdisconnected(Reader& fields) {
    const int seat = fields.number();
    const std::string name = protocol::boundName(fields.rest());
    if (isPlayerSeat(seat)) {
        const std::string caption = view_.playerName(seat);
        const bool person =
            caption != kWaiting && caption != view_.computerName(seat) && !caption.ends_with(kAway);
        if (person)
            systemLine(caption + " disconnected.");
        // During a game the seat is kept for its player, and the computer plays it meanwhile:
        // the name and score stay, marked as away.
        if (person && view_.turnseat() != 0) {
            view_.setPlayerName(seat, caption + kAway);
            return;
        }
        view_.setPlayerName(seat, kWaiting);
        view_.setWatching(seat, false);
    } else if (isSeat(seat)) {
        if (view_.removeSpectator(spectatorEntry(seat, name)))
            systemLine(name + " has left.");
    }
}

void ClientSession::justwatching(Reader& fields) {
    const int seat = fields.number();
    const std::string flag = fields.text();
    if (!isPlayerSeat(seat))
        return;
    const bool watching = flag == "1";
    if (seat == view_.myseat())
        view_.setJustWatching(watching);
    systemLine(view_.playerName(seat) + (watching ? " is just watching" : " is now playing again"));
    view_.setWatching(seat, watching);
}

void ClientSession::havewrongversion(Reader& fields) {
    systemLine(protocol::boundName(fields.rest()) +
               " has a different version of the game than you.");
}

void ClientSession::wrongversion() {
    systemLine("You have a different version of the game than the host.");
}

void ClientSession::full() {
    services_.showMessageAndWait("Game is full");
    services_.closeWindow();
}

void ClientSession::toggleJustWatch() {
    const int myseat = view_.myseat();
    if (!view_.isconnected() || !isPlayerSeat(myseat))
        return;
    if (view_.justWatching()) {
        services_.send(protocol::build(Msg::JustWatch, {myseat, "2"}));
        return;
    }
    services_.send(protocol::build(Msg::JustWatch, {myseat, "1"}));
    if (view_.turnseat() == myseat)
        view_.withdrawTurn();
}

KickMenu ClientSession::kickMenuFor(int seat) const {
    KickMenu menu;
    menu.removeFromGame = menu.setToJustWatch = menu.unsetJustWatch = view_.ishost();
    if (view_.playerName(seat) == kWaiting)
        menu.removeFromGame = false;
    menu.target = seat;
    return menu;
}

void ClientSession::setToJustWatch(int target) {
    if (view_.isconnected() && isPlayerSeat(target))
        services_.send(protocol::build(Msg::JustWatch, {target, "1"}));
}

void ClientSession::unsetJustWatch(int target) {
    if (view_.isconnected() && isPlayerSeat(target))
        services_.send(protocol::build(Msg::JustWatch, {target, "2"}));
}

void ClientSession::kicking(int seat) {
    if (view_.ishost() && view_.isconnected())
        services_.send(protocol::build(Msg::Kick, {view_.myseat(), seat}));
}

void ClientSession::sockClosed() {
    const bool seated = view_.isconnected();
    view_.setConnected(false);
    services_.connectionEnded(seated);
}

}  // namespace hexaline::session
