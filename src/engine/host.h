// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's game: bag, board, plays, the flow of games, rounds and turns, the move search
// and the computer player. Single-threaded; the outlet carries messages and timers.

#include <memory>
#include <string>
#include <string_view>

#include "engine/outlet.h"
#include "engine/players/player.h"
#include "engine/random.h"
#include "engine/tables.h"

namespace hexaline::engine {

class Host : public HostTables {
  public:
    Host(EngineOutlet& outlet, Random& random);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // A saved copy of the tables becomes the game's position again.
    void restore(const HostTables& position) { static_cast<HostTables&>(*this) = position; }

    // --- Bag, hands and board ---
    void shuffletiles();
    int gettile();
    void dealtiles(int seat);
    void clearboard();
    int tilesleft() const;
    bool boardempty() const;

    // --- A play: the text after "CMD_myturn+" (seat, then slot+row+column triples). ---
    // Throws protocol::FieldError when a field is not a number; nothing changes then.
    void myturn(std::string_view text);
    PlayLine checkforsameline() const;
    bool checkfortouching(PlayLine direction);
    static bool checkit(int low, int high, const std::array<int, kBoardSize>& values);

    // --- Game, round and turn flow ---
    void startgame(const std::string& name, std::string_view playtoText,
                   std::string_view secondsText);
    void startround();
    void findplayer();
    bool checkformove(int seat);
    void ipass(int seat);
    void ipass(std::string_view text);  // the text after "CMD_ipass+"
    void timeup();
    void endround();
    bool checkforwin();
    void breakTick();  // one tick of the break timer

    // --- Calls from the host session ---
    // A new connection takes the lowest seat without a client, or a new seat up to
    // `lastseat`; 0 when every seat is taken.
    int takeseat(int lastseat);
    // The same among the seats from `firstseat` to `lastseat` alone.
    int takeseat(int firstseat, int lastseat);
    // A free seat of the table is held for a returning client; false when it is taken.
    bool holdseat(int seat);
    // The seat's client is gone; true when it was connected. Its name and watching mark go;
    // its score, hand and round stay for the computer.
    bool release(int seat);
    // The seat's client logged in under `name`.
    void login(int seat, const std::string& name);
    // The seat's player watches (true) or plays again (false).
    void watch(int seat, bool watching);
    // The seat's client left or started watching: the turn moves on if it was this seat's
    // and a play was awaited. (Whether seat 1 is exempt is the session's decision.)
    void turnseatleft(int seat);
    // A latecomer logged in on `seat` during a game: game state, board and hand.
    void bringuptodate(int seat);

    // --- Move search ---
    bool computercheck(int row, int column) const;
    int computercheckupdown(int seat, int row, int column);
    int computercheckleftright(int seat, int row, int column);

    // --- Computer player ---
    void computertimerTimer();  // one tick of the computer timer
    void computerplay(int seat);
    // The play the computer would make for the seat now, the opening set on a round's first
    // play included, as play text; empty when it finds none. Nothing is submitted.
    std::string computersuggestion(int seat);
    // What the player at the seat (1..4) knows.
    SeatView seatview(int seat) const { return SeatView(*this, seat, tilesleft()); }
    // Whether the computer plays this seat now.
    bool computerplays(int seat) const;
    // How well the computer plays every seat it plays, from its next move on (Normal unless
    // set).
    void setbotlevel(BotLevel level);
    // One seat's level alone (matches between levels); the next setbotlevel(level) replaces it.
    void setbotlevel(int seat, BotLevel level);
    BotLevel botlevel() const { return botlevel_; }
    // Whether a hand tile of the seat can stand in one line with the tile `anchor`.
    bool matchesanyhandtile(int seat, int anchor) const;

  private:
    void sendto(int seat, const std::string& message);
    void sendtoall(const std::string& message);
    void armbreak(BreakAction action, long long seconds);
    void refuse(int seat, Refusal refusal);
    void applyplay(int seat);
    void startcomputerturn();
    int extend(int seat, int row, int column, int dr, int dc);
    bool fitsalone(int tile, int row, int column);

    EngineOutlet& outlet_;
    Random& random_;
    BotLevel botlevel_ = BotLevel::Normal;
    std::array<std::unique_ptr<Player>, kMaxPlayers + 1> players_;  // by seat 1..4
};

}  // namespace hexaline::engine
