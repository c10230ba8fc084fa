// SPDX-License-Identifier: GPL-3.0-or-later
#include "client/game_model.h"

#include <algorithm>

#include "protocol/system_colour.h"

namespace hexaline::client {

namespace {
std::string bounded(const std::string& text) {
    return text.size() <= kMaxNameBytes ? text : text.substr(0, kMaxNameBytes);
}

// The seat number an entry "seat: name" starts with.
std::string_view seatPrefix(std::string_view entry) {
    return entry.substr(0, entry.find(':'));
}
}  // namespace

GameModel::GameModel(QObject* parent) : QObject(parent) {
    for (int s = 1; s <= protocol::kPlayerSeats; ++s)
        at(s).computerName = protocol::computerName(s);
}

std::string GameModel::playerName(int seat) const {
    return protocol::isPlayerSeat(seat) ? this->seat(seat).caption : std::string();
}

void GameModel::setPlayerName(int seat, const std::string& caption) {
    if (!protocol::isPlayerSeat(seat))
        return;
    PlayerSeat& s = at(seat);
    s.caption = bounded(caption);
    // A seat left free shows no score of the player who left it.
    if (s.caption == session::kWaiting) {
        s.scoreShown = false;
        s.points.reset();
    }
    emit seatChanged(seat);
}

void GameModel::seatTaken(int seat, const std::string& name) {
    if (!protocol::isPlayerSeat(seat))
        return;
    PlayerSeat& s = at(seat);
    s.caption = bounded(name);
    s.scoreShown = true;
    emit seatChanged(seat);
}

std::string GameModel::computerName(int seat) const {
    return protocol::isPlayerSeat(seat) ? this->seat(seat).computerName : std::string();
}

void GameModel::setWatching(int seat, bool watching) {
    if (!protocol::isPlayerSeat(seat))
        return;
    at(seat).watching = watching;
    emit seatChanged(seat);
}

void GameModel::addSpectator(const std::string& entry) {
    // One entry per seat: a seat announced again replaces its entry.
    const std::string line = bounded(entry);
    std::erase_if(spectators_,
                  [&](const std::string& e) { return seatPrefix(e) == seatPrefix(line); });
    if (spectators_.size() >= static_cast<std::size_t>(protocol::kSeatCount))
        spectators_.erase(spectators_.begin());
    spectators_.push_back(line);
    emit spectatorsChanged();
}

bool GameModel::removeSpectator(const std::string& entry) {
    const auto found = std::find(spectators_.begin(), spectators_.end(), bounded(entry));
    if (found == spectators_.end())
        return false;
    spectators_.erase(found);
    emit spectatorsChanged();
    return true;
}

void GameModel::setScore(int seat, int total) {
    at(seat).score = total;
    emit seatChanged(seat);
}

void GameModel::setPoints(int seat, std::optional<int> points) {
    at(seat).points = points;
    emit seatChanged(seat);
}

void GameModel::clearPoints() {
    for (int s = 1; s <= protocol::kPlayerSeats; ++s) {
        if (at(s).points) {
            at(s).points.reset();
            emit seatChanged(s);
        }
    }
}

void GameModel::setSitsOut(int seat, bool out) {
    at(seat).sitsOut = out;
    at(seat).scoreShown = !out;
    emit seatChanged(seat);
}

void GameModel::resetScores() {
    for (int s = 1; s <= protocol::kPlayerSeats; ++s) {
        at(s).score = 0;
        at(s).points.reset();
        emit seatChanged(s);
    }
}

void GameModel::withdrawTurn() {
    setTurnseat(0);
    takeBackTiles();
}

void GameModel::setHandTile(int slot, int code) {
    hand_.at(static_cast<std::size_t>(slot)) = code;
    dealt_ = true;
    emit handChanged(slot);
}

void GameModel::setSelectedslot(int slot) {
    const int was = selectedslot_;
    selectedslot_ = slot;
    if (was != 0 && was != slot)
        emit handChanged(was);
    if (slot != 0)
        emit handChanged(slot);
}

void GameModel::setPlaced(int slot, Place place) {
    placedtiles_.at(static_cast<std::size_t>(slot)) = place;
    emit handChanged(slot);
}

bool GameModel::tilesLaid() const {
    return std::any_of(placedtiles_.begin(), placedtiles_.end(),
                       [](const Place& place) { return place.row != 0; });
}

void GameModel::takeBackTiles() {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Place place = placed(slot);
        if (place.row != 0 && ClientBoard::contains(place.row, place.column))
            setSquare(place.row, place.column, Square{});
        setPlaced(slot, Place{});
    }
}

void GameModel::setSquare(int row, int column, Square square) {
    Square& now = board_.at(row, column);
    const bool redraw = now.tile != square.tile;
    now = square;
    if (redraw)
        emit squareChanged(row, column);
}

void GameModel::clearBoard() {
    board_ = ClientBoard{};
    placedtiles_ = {};
    emit boardCleared();
}

void GameModel::startTurnClock(int timeleft) {
    timeleft_ = timeleft;
    emit clockChanged(timeleft_);
}

void GameModel::tick() {
    timeleft_ = timeleft_ > 0 ? timeleft_ - 1 : 0;
    emit clockChanged(timeleft_);
}

void GameModel::setStatus(std::string text) {
    status_ = std::move(text);
    emit statusChanged();
}

void GameModel::setInfo(Info line, std::string text) {
    info_.at(static_cast<std::size_t>(line)) = std::move(text);
    emit infoChanged(line);
}

void GameModel::setButtons(TurnButtons buttons) {
    buttons_ = buttons;
    emit buttonsChanged();
}

void GameModel::setWinner(std::optional<std::string> text) {
    winner_ = std::move(text);
    emit winnerChanged();
}

void GameModel::addlinetochat(const std::string& line, std::uint32_t colour) {
    emit chatLine(line, colour);
}

void GameModel::systemLine(const std::string& text) {
    addlinetochat("0+" + text, protocol::kSystemColour);
}

}  // namespace hexaline::client
