// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/message_table.h"

namespace hexaline::protocol {
namespace {

using enum Field;

// Field layouts shared by several messages.
constexpr std::span<const Field> kNone{};
constexpr Field kNumber[] = {Number};
constexpr Field kSeatRest[] = {Number, Rest};
constexpr Field kSeatText[] = {Number, Text};
constexpr Field kText[] = {Text};
constexpr Field kRest[] = {Rest};
constexpr Field kLogin[] = {Number, Text, Rest};
constexpr Field kStart[] = {Text, Text, Text};
constexpr Field kTwoNumbers[] = {Number, Number};
constexpr Field kSeatNameFlag[] = {Number, Text, Text};
constexpr Field kGameStatsHead[] = {Number, Number, Number, Number, Number, Number, Number};
constexpr Field kSeatScoreFlag[] = {Number, Number, Text};
constexpr Field kSquareTile[] = {Number, Number, Number};
constexpr Field kSlotTile[] = {Number, Number};
constexpr Field kSlotSquare[] = {Number, Number, Number};
constexpr Field kNextPlayer[] = {Number, Text, Number};
constexpr Field kHisPlayHead[] = {Number, Number, Number, Number};
constexpr Field kSlotTileSquare[] = {Number, Number, Number, Number};
constexpr Field kRanOut[] = {Number, Number, Number};
constexpr Field kSeatFlag[] = {Number, Text};

constexpr auto H = Direction::ToHost;
constexpr auto Plain = Ending::Plain;
constexpr auto Sep = Ending::Separator;
constexpr auto Twice = Ending::DoubleTerminator;
constexpr auto C = Direction::ToClient;

// clang-format off
constexpr std::array<MessageLayout, kMessageCount> kTable{{
    // id                       word                      dir head            group            ending     sent
    {Msg::Login,              "CMD_logininfo",          H, kLogin,         kNone,           Twice, true},
    {Msg::Chat,               "CMD_chat",               H, kSeatRest,      kNone,           Plain, true},
    {Msg::Action,             "CMD_action",             H, kSeatRest,      kNone,           Plain, true},
    {Msg::Sound,              "CMD_playasound",         H, kSeatText,      kNone,           Sep,   true},
    {Msg::StartGame,          "CMD_startgame",          H, kStart,         kNone,           Sep,   true},
    {Msg::JustWatch,          "CMD_justwatch",          H, kSeatText,      kNone,           Plain, true},
    {Msg::Kick,               "CMD_kickhim",            H, kTwoNumbers,          kNone,           Sep,   true},
    {Msg::Play,               "CMD_myturn",             H, kNumber,          kSlotSquare,     Plain, true},
    {Msg::Pass,               "CMD_ipass",              H, kNumber,          kNone,           Sep,   true},
    {Msg::SendLoginInfo,      "CMD_sendlogininfo",      C, kNumber,          kNone,           Plain, true},
    {Msg::Full,               "CMD_full",               C, kNone,          kNone,           Sep,   true},
    {Msg::NewPlayerInfo,      "CMD_newplayerinfo",      C, kNone,          kSeatNameFlag,   Plain, true},
    {Msg::ExistingPlayers,    "CMD_existingplayers",    C, kNone,          kSeatNameFlag,   Plain, true},
    {Msg::HaveWrongVersion,   "CMD_havewrongversion",   C, kRest,          kNone,           Plain, true},
    {Msg::WrongVersion,       "CMD_wrongversion",       C, kNone,          kNone,           Sep,   true},
    {Msg::GameStats,          "CMD_gamestats",          C, kGameStatsHead, kSeatScoreFlag,  Plain, true},
    {Msg::LoadBoard,          "CMD_loadboard",          C, kNumber,          kSquareTile,     Plain, true},
    {Msg::MyTiles,            "CMD_mytiles",            C, kNumber,          kSlotTile,       Plain, true},
    {Msg::PlayerDisconnected, "CMD_playerdisconnected", C, kSeatRest,      kNone,           Plain, true},
    {Msg::JustWatching,       "CMD_justwatching",       C, kSeatFlag,      kNone,           Plain, true},
    {Msg::ChatRelay,          "CMD_chat",               C, kSeatRest,      kNone,           Plain, true},
    {Msg::ActionRelay,        "CMD_action",             C, kSeatRest,      kNone,           Plain, true},
    {Msg::SoundRelay,         "CMD_playasound",         C, kSeatRest,      kNone,           Plain, true},
    {Msg::GameStarted,        "CMD_startgame",          C, kStart,         kNone,           Sep,   true},
    {Msg::RoundStarting,      "CMD_roundstarting",      C, kNumber,          kSeatFlag,       Plain, true},
    {Msg::NextPlayer,         "CMD_nextplayer",         C, kNextPlayer,    kNone,           Sep,   true},
    {Msg::HisPlay,            "CMD_hisplay",            C, kHisPlayHead,   kSlotTileSquare, Plain, true},
    {Msg::Error,              "CMD_error",              C, kTwoNumbers,          kNone,           Sep,   true},
    {Msg::RanOut,             "CMD_ranout",             C, kRanOut,        kNone,           Sep,   true},
    {Msg::HePassed,           "CMD_hepassed",           C, kNumber,          kNone,           Sep,   true},
    {Msg::TimesUp,            "CMD_timesup",            C, kNone,          kNone,           Sep,   true},
    {Msg::EndRound,           "CMD_endround",           C, kNone,          kNone,           Sep,   true},
    {Msg::Winner,             "CMD_winner",             C, kText,          kNone,           Sep,   true},
    {Msg::RoundStart,         "CMD_roundstart",         C, kNumber,          kSeatFlag,       Plain, false},
}};
// clang-format on

constexpr bool tableIsInOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (static_cast<std::size_t>(kTable[i].id) != i)
            return false;
    }
    return true;
}
static_assert(tableIsInOrder(), "the message table must be indexed by Msg");

}  // namespace

const std::array<MessageLayout, kMessageCount>& messageTable() {
    return kTable;
}

const MessageLayout& layoutOf(Msg id) {
    return kTable[static_cast<std::size_t>(id)];
}

std::optional<Msg> lookup(Direction direction, std::string_view word) {
    for (const MessageLayout& m : kTable) {
        if (m.direction == direction && m.word == word)
            return m.id;
    }
    return std::nullopt;
}

}  // namespace hexaline::protocol
