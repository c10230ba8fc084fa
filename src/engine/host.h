#pragma once
// The host's game: bag, board, plays, the flow of games, rounds and turns, the move search
// and the computer player. Single-threaded; the outlet carries messages and timers.

#include <string>
#include <string_view>

#include "engine/outlet.h"
#include "engine/random.h"
#include "engine/tables.h"

namespace hexaline::engine {

class Host : public HostTables {
  public:
    Host(EngineOutlet& outlet, Random& random);

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
    int checkforsameline() const;
    bool checkfortouching(int direction);
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
    void timer_breaksTimer();  // one tick of the break timer

    // --- Calls from the host session ---
    // The seat's client left or started watching: the turn moves on if it was this seat's
    // and a play was awaited. (Whether seat 1 is exempt is the session's decision.)
    void turnseatleft(int seat);
    // A latecomer logged in on `seat` during a game: game state, board and hand.
    void bringuptodate(int seat);

    // --- Move search ---
    bool computercheckfortouching(int direction, int row, int column) const;
    bool computercheck(int row, int column) const;
    int computercheckupdown(int seat, int row, int column);
    int computercheckleftright(int seat, int row, int column);

    // --- Computer player ---
    void computertimerTimer();  // one tick of the computer timer
    void computerplay(int seat);
    void computerfirsturn(int seat);
    std::string computergetcolorsets(int seat, int size) const;
    std::string computergetshapesets(int seat, int size) const;

    // The play text computerplay submits on a later turn, empty when none is found. The fast
    // choice scans every anchor once; the literal one repeats the scan per target size.
    // Both leave `botplacement` holding the chosen squares.
    std::string computerchoice(int seat);
    // The play the computer would make for the seat now, the opening set on a round's first
    // play included, as play text; empty when it finds none. Nothing is submitted.
    std::string computersuggestion(int seat);
    std::string computerchoiceLiteral(int seat);
    // checkformove without the fast path: extension counts at every tile.
    bool checkformoveLiteral(int seat);
    // Whether the computer plays this seat now.
    bool computerplays(int seat) const;

  private:
    void sendto(int seat, const std::string& message);
    void sendtoall(const std::string& message);
    void armbreak(BreakAction action, long long seconds);
    void refuse(int seat, int code);
    void applyplay(int seat);
    void startcomputerturn();
    int extend(int seat, int row, int column, int dr, int dc);
    bool fitsalone(int tile, int row, int column);
    std::string botplaytext(int seat) const;
    bool matchesanyhandtile(int seat, int anchor) const;
    // The largest opening set of the seat's hand, colour sets first, as play text.
    std::string openingplay(int seat) const;

    EngineOutlet& outlet_;
    Random& random_;
};

}  // namespace hexaline::engine
