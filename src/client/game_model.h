// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the client knows of the game: the seats with their names and scores, its own seat and
// role, whose turn it is, the board, its hand, the turn in progress, the turn clock and the
// texts of the table. The client's handlers write it; the table, the chat and the side windows
// show what it signals and never read a fact back from a control. Texts are kept as the host
// wrote them (UTF-8); the views decode them.

#include <QObject>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "client/client_board.h"
#include "client/seat_captions.h"
#include "protocol/seats.h"

namespace hexaline::client {

// Names longer than this are cut for display; nothing a host sends is kept at any length.
inline constexpr std::size_t kMaxNameBytes = 64;

struct PlayerSeat {
    std::string caption = session::kWaiting;  // "<Waiting>", the player's or the computer's name
    std::string computerName;                 // who stands in while the seat is free
    bool watching = false;
    bool sitsOut = false;  // not dealt into this round
    bool scoreShown = false;
    int score = 0;
    std::optional<int> points;  // the latest play's points, shown as "+n"
};

// The lines of the table's information column.
enum class Info { PlayTo, Round, TimePerTurn, TilesLeft };

// Which of the turn's buttons are shown.
struct TurnButtons {
    bool pass = false;
    bool finish = false;
    bool clear = false;
    bool operator==(const TurnButtons&) const = default;
};

class GameModel : public QObject {
    Q_OBJECT
  public:
    explicit GameModel(QObject* parent = nullptr);

    // The seats.
    std::string playerName(int seat) const;
    void setPlayerName(int seat, const std::string& caption);
    void seatTaken(int seat, const std::string& name);
    std::string computerName(int seat) const;
    void setWatching(int seat, bool watching);
    const PlayerSeat& seat(int seat) const { return seats_.at(static_cast<std::size_t>(seat - 1)); }
    // A free seat's caption while nobody sits there.
    bool isFree(int seat) const { return this->seat(seat).caption == session::kWaiting; }

    // The spectators, one entry per seat.
    void addSpectator(const std::string& entry);
    bool removeSpectator(const std::string& entry);
    const std::vector<std::string>& spectators() const { return spectators_; }

    // Scores.
    void setScore(int seat, int total);
    void setPoints(int seat, std::optional<int> points);
    void clearPoints();
    void setSitsOut(int seat, bool out);
    // A new game: every total back to 0, no points.
    void resetScores();

    // The own seat, role and connection.
    int myseat() const { return myseat_; }
    void setMyseat(int seat) { change(myseat_, seat, &GameModel::myseatChanged); }
    bool ishost() const { return ishost_; }
    void setHost(bool host) { change(ishost_, host, &GameModel::hostChanged); }
    bool isPlayer() const { return protocol::isPlayerSeat(myseat_); }
    bool isSpectator() const { return myseat_ > protocol::kPlayerSeats; }
    bool isconnected() const { return connected_; }
    void setConnected(bool connected) {
        change(connected_, connected, &GameModel::connectedChanged);
    }
    bool justWatching() const { return justWatching_; }
    void setJustWatching(bool watching) {
        change(justWatching_, watching, &GameModel::justWatchChanged);
    }

    // Whose turn it is; input is accepted only while this is the own seat.
    int turnseat() const { return turnseat_; }
    void setTurnseat(int seat) { change(turnseat_, seat, &GameModel::turnChanged); }
    bool myturn() const { return turnseat_ != 0 && turnseat_ == myseat_; }
    // The seat the turn marker stands beside; 0 before the first turn.
    int markerSeat() const { return markerSeat_; }
    void setMarkerSeat(int seat) { change(markerSeat_, seat, &GameModel::markerChanged); }
    void withdrawTurn();

    // The hand, by slot 1..6; 0 = no tile.
    int handTile(int slot) const { return hand_.at(static_cast<std::size_t>(slot)); }
    void setHandTile(int slot, int code);
    bool dealt() const { return dealt_; }

    // The turn in progress: the raised hand slot (0 = none) and where each slot's tile lies
    // this turn.
    int selectedslot() const { return selectedslot_; }
    void setSelectedslot(int slot);
    Place placed(int slot) const { return placedtiles_.at(static_cast<std::size_t>(slot)); }
    void setPlaced(int slot, Place place);
    bool tilesLaid() const;
    // The tiles laid this turn leave the board and go back to the hand.
    void takeBackTiles();
    // The host took the play: what was laid stays on the board as it is.
    void forgetPlacedTiles() { placedtiles_ = {}; }

    // The board.
    const ClientBoard& board() const { return board_; }
    void setSquare(int row, int column, Square square);
    void clearBoard();

    // The turn clock.
    int turnlength() const { return turnlength_; }
    int timeleft() const { return timeleft_; }
    void setTurnlength(int seconds) { turnlength_ = seconds; }
    // A turn starts with the whole turn length, or with what is left of it.
    void startTurnClock(int timeleft);
    void tick();

    // The table's texts and buttons.
    const std::string& status() const { return status_; }
    void setStatus(std::string text);
    const std::string& info(Info line) const { return info_.at(static_cast<std::size_t>(line)); }
    void setInfo(Info line, std::string text);
    TurnButtons buttons() const { return buttons_; }
    void setButtons(TurnButtons buttons);
    bool startShown() const { return startShown_; }
    void setStartShown(bool shown) { change(startShown_, shown, &GameModel::startShownChanged); }
    // The winner panel's text while it is shown.
    const std::optional<std::string>& winner() const { return winner_; }
    void setWinner(std::optional<std::string> text);

    // The chat: lines for the log, relayed chat and relayed chatter sounds.
    void addlinetochat(const std::string& line, std::uint32_t colour);
    // A line of the game itself (seat 0, the system colour).
    void systemLine(const std::string& text);
    void chatRelayed(const std::string& data) { emit chatReceived(data); }
    void soundRelayedBy(int seat, const std::string& name) { emit soundRelayed(seat, name); }

  signals:
    void seatChanged(int seat);
    void spectatorsChanged();
    void myseatChanged(int seat);
    void hostChanged(bool host);
    void connectedChanged(bool connected);
    void justWatchChanged(bool watching);
    void turnChanged(int seat);
    void markerChanged(int seat);
    void handChanged(int slot);
    void squareChanged(int row, int column);  // the tile on the square, not only its state
    void boardCleared();
    void clockChanged(int timeleft);
    void statusChanged();
    void infoChanged(hexaline::client::Info line);
    void buttonsChanged();
    void startShownChanged(bool shown);
    void winnerChanged();
    void chatLine(const std::string& line, std::uint32_t colour);
    void chatReceived(const std::string& data);
    void soundRelayed(int seat, const std::string& name);

  private:
    // Keeps a value and tells the views.
    template <typename T>
    void change(T& field, T value, void (GameModel::*changed)(T)) {
        field = value;
        emit(this->*changed)(value);
    }
    PlayerSeat& at(int seat) { return seats_.at(static_cast<std::size_t>(seat - 1)); }

    std::array<PlayerSeat, protocol::kPlayerSeats> seats_;
    std::vector<std::string> spectators_;
    int myseat_ = 0;
    bool ishost_ = false;
    bool connected_ = false;
    bool justWatching_ = false;
    int turnseat_ = 0;
    int markerSeat_ = 0;
    std::array<int, kHandSlots + 1> hand_{};
    bool dealt_ = false;
    int selectedslot_ = 0;
    std::array<Place, kHandSlots + 1> placedtiles_{};
    ClientBoard board_;
    int turnlength_ = 0;
    int timeleft_ = 0;
    std::string status_;
    std::array<std::string, 4> info_;
    TurnButtons buttons_;
    bool startShown_ = true;
    std::optional<std::string> winner_;
};

}  // namespace hexaline::client
