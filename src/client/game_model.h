// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the client knows of the game: the seats with their names and scores, its own seat, whose
// turn it is, the board, its hand and the turn clock. The host's messages change it; the table
// shows it and never reads a fact back from a control.

#include <QObject>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "client/client_board.h"
#include "client/seat_view.h"
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
    std::string score;                  // the total as the host wrote it
    std::optional<std::string> points;  // the latest play's points, shown as "+n"
};

class GameModel : public QObject, public session::SeatView {
    Q_OBJECT
  public:
    explicit GameModel(QObject* parent = nullptr);

    // The seat view of the client session.
    std::string playerName(int seat) const override;
    void setPlayerName(int seat, const std::string& caption) override;
    void seatTaken(int seat, const std::string& name) override;
    std::string computerName(int seat) const override;
    void setWatching(int seat, bool watching) override;
    void addSpectator(const std::string& entry) override;
    bool removeSpectator(const std::string& entry) override;

    const PlayerSeat& seat(int seat) const { return seats_.at(static_cast<std::size_t>(seat - 1)); }
    // A free seat's caption while nobody sits there.
    bool isFree(int seat) const { return this->seat(seat).caption == session::kWaiting; }
    const std::vector<std::string>& spectators() const { return spectators_; }

    // Scores.
    void setScore(int seat, std::string total);
    void setPoints(int seat, std::optional<std::string> points);
    void clearPoints();
    void setSitsOut(int seat, bool out);
    // A new game: every total back to 0, no points.
    void resetScores();

    // The own seat and role.
    int myseat() const { return myseat_; }
    void setMyseat(int seat);
    bool ishost() const { return ishost_; }
    void setHost(bool host) { ishost_ = host; }
    bool isPlayer() const { return protocol::isPlayerSeat(myseat_); }
    bool isSpectator() const { return myseat_ > protocol::kPlayerSeats; }

    // Whose turn it is; input is accepted only while this is the own seat.
    int turnseat() const { return turnseat_; }
    void setTurnseat(int seat);

    // The hand, by slot 1..6; 0 = no tile.
    int handTile(int slot) const { return hand_.at(static_cast<std::size_t>(slot)); }
    void setHandTile(int slot, int code);
    bool dealt() const { return dealt_; }

    // The board.
    ClientBoard& board() { return board_; }
    const ClientBoard& board() const { return board_; }
    void clearBoard();

    // The turn clock.
    int turnlength() const { return turnlength_; }
    int timeleft() const { return timeleft_; }
    void setTurnlength(int seconds) { turnlength_ = seconds; }
    // A turn starts with the whole turn length, or with what is left of it.
    void startTurnClock(int timeleft);
    void tick();

  signals:
    void seatChanged(int seat);
    void spectatorsChanged();
    void myseatChanged(int seat);
    void turnChanged(int seat);
    void handChanged(int slot);
    void clockChanged(int timeleft);

  private:
    PlayerSeat& at(int seat) { return seats_.at(static_cast<std::size_t>(seat - 1)); }

    std::array<PlayerSeat, protocol::kPlayerSeats> seats_;
    std::vector<std::string> spectators_;
    int myseat_ = 0;
    bool ishost_ = false;
    int turnseat_ = 0;
    std::array<int, kHandSlots + 1> hand_{};
    bool dealt_ = false;
    ClientBoard board_;
    int turnlength_ = 0;
    int timeleft_ = 0;
};

}  // namespace hexaline::client
