// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one table of every protocol message, in both directions, with its layout.
// Messages are built (`build`) and read (`Reader`, `decode`) only through this table.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "protocol/version.h"

namespace hexaline::protocol {

inline constexpr char kTerminator = '\xFF';
inline constexpr char kSeparator = '+';

enum class Direction : std::uint8_t { ToHost, ToClient };

// How one field is written and read.
enum class Field : std::uint8_t {
    Number,  // decimal integer
    Text,    // text up to the next "+"; must not contain "+"
    Rest,    // all remaining argument text; may contain "+"; always the last field
};

enum class Msg : std::uint8_t {
    // Client to host.
    Login,      // CMD_logininfo
    Chat,       // CMD_chat
    Action,     // CMD_action
    Sound,      // CMD_playasound
    StartGame,  // CMD_startgame
    JustWatch,  // CMD_justwatch
    Kick,       // CMD_kickhim
    Play,       // CMD_myturn
    Pass,       // CMD_ipass
    // Host to client.
    SendLoginInfo,       // CMD_sendlogininfo
    Full,                // CMD_full
    NewPlayerInfo,       // CMD_newplayerinfo
    ExistingPlayers,     // CMD_existingplayers
    HaveWrongVersion,    // CMD_havewrongversion
    WrongVersion,        // CMD_wrongversion
    GameStats,           // CMD_gamestats
    LoadBoard,           // CMD_loadboard
    MyTiles,             // CMD_mytiles
    PlayerDisconnected,  // CMD_playerdisconnected
    JustWatching,        // CMD_justwatching
    ChatRelay,           // CMD_chat
    ActionRelay,         // CMD_action
    SoundRelay,          // CMD_playasound
    GameStarted,         // CMD_startgame
    RoundStarting,       // CMD_roundstarting
    NextPlayer,          // CMD_nextplayer
    HisPlay,             // CMD_hisplay
    Error,               // CMD_error
    RanOut,              // CMD_ranout
    HePassed,            // CMD_hepassed
    TimesUp,             // CMD_timesup
    EndRound,            // CMD_endround
    Winner,              // CMD_winner
    // Accepted by the client with the layout of RoundStarting; never sent by the host.
    RoundStart,  // CMD_roundstart
};

inline constexpr std::size_t kMessageCount = static_cast<std::size_t>(Msg::RoundStart) + 1;

// How a message ends before its terminator.
enum class Ending : std::uint8_t {
    Plain,             // the last field runs up to the terminator
    Separator,         // a "+" stands right before the terminator
    DoubleTerminator,  // the login: its name field carries a terminator of its own, so the
                       // message ends in two, and the receiver drops the empty message between
};

struct MessageLayout {
    Msg id;
    std::string_view word;  // command word, "CMD_" and lower-case letters
    Direction direction;
    std::span<const Field> head;   // fixed fields after the command word
    std::span<const Field> group;  // fields of each list entry; empty for a plain message
    Ending ending;
    bool sentByHost;  // false only for the alias the host never sends
};

// The table itself, indexed by Msg.
const std::array<MessageLayout, kMessageCount>& messageTable();
const MessageLayout& layoutOf(Msg id);

// The message a side recognises under a command word (exact, case-sensitive match).
std::optional<Msg> lookup(Direction direction, std::string_view word);

}  // namespace hexaline::protocol
