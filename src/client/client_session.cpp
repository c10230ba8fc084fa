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

ClientSession::ClientSession(SeatView& view, ClientHooks hooks)
    : view_(view), hooks_(std::move(hooks)) {}

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
    if (hooks_.addlinetochat)
        hooks_.addlinetochat("0+" + text, kSystemColour);
}

void ClientSession::sendloginfo(Reader& fields) {
    const int seat = fields.number();
    if (!isSeat(seat))
        return;  // no such seat: the host is not to be believed
    myseat_ = seat;
    isconnected_ = true;
    if (hooks_.seatAssigned)
        hooks_.seatAssigned(myseat_);
    hooks_.send(protocol::build(Msg::Login, {myseat_, std::string(protocol::kVersion),
                                             protocol::sanitizeName(loginname_)}));
}

void ClientSession::newplayerinfo(Reader& fields) {
    // There are never more groups than seats; a host that sends more is not heard further.
    for (int group = 0; group < kSeatCount && !fields.atListEnd(); ++group) {
        const int seat = fields.number();
        const std::string name = protocol::boundName(fields.text());
        const std::string flag = fields.text();
        if (!isSeat(seat))
            continue;
        if (seat == myseat_) {
            systemLine("You are Connected.");
            if (hooks_.loadinifile)
                hooks_.loadinifile();
        } else {
            systemLine(name + " is Connected.");
        }
        if (isPlayerSeat(seat)) {
            view_.seatTaken(seat, name);
            if (flag == "1")
                view_.setWatching(seat, true);
        } else {
            // A seat holds one spectator: a new announcement replaces the old entry.
            std::string& entry = spectators_[static_cast<std::size_t>(seat)];
            if (!entry.empty())
                view_.removeSpectator(entry);
            entry = spectatorEntry(seat, name);
            view_.addSpectator(entry);
            systemLine(seat == myseat_ ? std::string("You are spying.") : name + " is spying.");
        }
    }
    if (hooks_.playsounds)
        hooks_.playsounds("entered");
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
        const bool gameOn = hooks_.turnseat && hooks_.turnseat() != 0;
        if (person && gameOn) {
            view_.setPlayerName(seat, caption + kAway);
            return;
        }
        view_.setPlayerName(seat, kWaiting);
        view_.setWatching(seat, false);
    } else if (isSeat(seat)) {
        const std::string entry = spectatorEntry(seat, name);
        if (view_.removeSpectator(entry)) {
            systemLine(name + " has left.");
            if (spectators_[static_cast<std::size_t>(seat)] == entry)
                spectators_[static_cast<std::size_t>(seat)].clear();
        }
    }
}

void ClientSession::justwatching(Reader& fields) {
    const int seat = fields.number();
    const std::string flag = fields.text();
    if (!isPlayerSeat(seat))
        return;
    const bool watching = flag == "1";
    if (seat == myseat_ && hooks_.setJustWatchChecked)
        hooks_.setJustWatchChecked(watching);
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
    if (hooks_.showMessage)
        hooks_.showMessage("Game is full");
    if (hooks_.closeWindow)
        hooks_.closeWindow();
}

void ClientSession::JustWatch1Click() {
    if (!isconnected_ || !isPlayerSeat(myseat_))
        return;
    const bool watchingNow = hooks_.justWatchChecked && hooks_.justWatchChecked();
    if (watchingNow) {
        hooks_.send(protocol::build(Msg::JustWatch, {myseat_, "2"}));
        return;
    }
    hooks_.send(protocol::build(Msg::JustWatch, {myseat_, "1"}));
    if (hooks_.turnseat && hooks_.turnseat() == myseat_ && hooks_.withdrawTurn) {
        hooks_.withdrawTurn();
    }
}

KickMenu ClientSession::label_playername1ContextPopup(int seat) const {
    KickMenu menu;
    menu.removeFromGame = menu.setToJustWatch = menu.unsetJustWatch = ishost_;
    if (view_.playerName(seat) == kWaiting)
        menu.removeFromGame = false;
    menu.target = seat;
    return menu;
}

void ClientSession::SettoJustWatch1Click(int target) {
    if (isconnected_ && isPlayerSeat(target)) {
        hooks_.send(protocol::build(Msg::JustWatch, {target, "1"}));
    }
}

void ClientSession::UnsetJustWatch1Click(int target) {
    if (isconnected_ && isPlayerSeat(target)) {
        hooks_.send(protocol::build(Msg::JustWatch, {target, "2"}));
    }
}

void ClientSession::kicking(int seat) {
    if (ishost_ && isconnected_)
        hooks_.send(protocol::build(Msg::Kick, {myseat_, seat}));
}

void ClientSession::sockClosed() {
    const bool seated = isconnected_;
    isconnected_ = false;
    if (hooks_.connectionEnded) {
        hooks_.connectionEnded(seated);
        return;
    }
    if (hooks_.closeWindow)
        hooks_.closeWindow();
}

}  // namespace hexaline::session
