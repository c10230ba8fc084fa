// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's plain tables: seats, bag, board and game state. Copyable, so a position can be
// saved and restored.

#include <array>
#include <cstdint>
#include <string>

#include "engine/tiles.h"
#include "protocol/seats.h"

namespace hexaline::engine {

// One seat of the table. Hand slots are 1..6; index 0 is unused.
struct tplayer {
    std::string name;
    bool connected = false;
    int score = 0;
    bool watching = false;
    std::string botname;
    bool inround = false;
    bool canmove = false;
    std::array<int, kHandSlots + 1> hand{};
};

struct Square {
    int committed = 0;
    int proposed = 0;
    bool operator==(const Square&) const = default;
};

// A square chosen for a hand slot; (0, 0) = the slot is not played.
struct Placement {
    int row = 0;
    int column = 0;
};

using Placements = std::array<Placement, kHandSlots + 1>;  // indexed by slot 1..6
using Board = std::array<std::array<Square, kBoardSize>, kBoardSize>;

// Whether the current seat's play is awaited.
enum class TurnState : char {
    Unset = '\0',  // before the first game
    Play = 'p',    // a play is awaited
    None = 'n'     // no play is awaited
};

// The line that holds every tile of a play.
enum class PlayLine { None = 0, Row = 1, Column = 2 };

// The line a trial tile is tested along in the move search.
enum class SearchLine { Column = 1, Row = 2 };

// Why a play is refused; the number is the code "CMD_error" carries.
enum class Refusal {
    Occupied = 1,   // a square already holds a tile
    NotInLine = 2,  // the tiles are neither in one row nor in one column
    NotASet = 3,    // a gap, or a line that is not a set
    NoContact = 4   // no tile touches a tile on the board
};

// What runs when the break countdown ends.
enum class BreakAction : std::int32_t {
    None = 0,
    NextTurn = 1,
    StartRound = 2,
    EndRound = 3,
    TimeUp = 4
};

inline constexpr int kSeatTableSize = 10;
inline constexpr int kMaxPlayers = protocol::kPlayerSeats;

struct HostTables {
    // By seat; index 0 is unused. The host session gives out seats 1..9 (1..4 play, 5..9
    // watch), so seat 10 stays free.
    std::array<tplayer, kSeatTableSize + 1> seats{};
    int seatcount = 0;
    int maxplayers = kMaxPlayers;

    // Bag positions 1..108; `drawn` counts draws since the last shuffle, past 108 too.
    std::array<int, kTileCount + 1> bag{};
    std::int32_t drawn = 0;

    Board board{};
    std::uint8_t firstplay = 0;

    bool gameon = false;
    int playto = 0;
    int turntime = 0;
    int roundno = 0;
    int currentplayer = 0;
    TurnState turnstate = TurnState::Unset;
    int breakcount = 0;
    BreakAction breakaction = BreakAction::None;

    // The play under test.
    Placements placed{};
    int playscore = 0;
    int sixbonus = 0;

    // The squares found by the last extension count.
    Placements botplacement{};
    // The pending computer move.
    int timertag = 0;
    int botcountdown = 0;
    int botseat = 0;  // the seat the pending computer move was armed for
};

}  // namespace hexaline::engine
