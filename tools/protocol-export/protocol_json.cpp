// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol_json.h"

#include <span>

namespace hexaline::tools {

using protocol::Msg;

std::string_view messageName(Msg id) {
    // No default: the compiler names any message added to the table and missing here.
    switch (id) {
        case Msg::Login:
            return "Login";
        case Msg::Chat:
            return "Chat";
        case Msg::Action:
            return "Action";
        case Msg::Sound:
            return "Sound";
        case Msg::StartGame:
            return "StartGame";
        case Msg::JustWatch:
            return "JustWatch";
        case Msg::Kick:
            return "Kick";
        case Msg::Play:
            return "Play";
        case Msg::Pass:
            return "Pass";
        case Msg::SendLoginInfo:
            return "SendLoginInfo";
        case Msg::Full:
            return "Full";
        case Msg::NewPlayerInfo:
            return "NewPlayerInfo";
        case Msg::ExistingPlayers:
            return "ExistingPlayers";
        case Msg::HaveWrongVersion:
            return "HaveWrongVersion";
        case Msg::WrongVersion:
            return "WrongVersion";
        case Msg::GameStats:
            return "GameStats";
        case Msg::LoadBoard:
            return "LoadBoard";
        case Msg::MyTiles:
            return "MyTiles";
        case Msg::PlayerDisconnected:
            return "PlayerDisconnected";
        case Msg::JustWatching:
            return "JustWatching";
        case Msg::ChatRelay:
            return "ChatRelay";
        case Msg::ActionRelay:
            return "ActionRelay";
        case Msg::SoundRelay:
            return "SoundRelay";
        case Msg::GameStarted:
            return "GameStarted";
        case Msg::RoundStarting:
            return "RoundStarting";
        case Msg::NextPlayer:
            return "NextPlayer";
        case Msg::HisPlay:
            return "HisPlay";
        case Msg::Error:
            return "Error";
        case Msg::RanOut:
            return "RanOut";
        case Msg::HePassed:
            return "HePassed";
        case Msg::TimesUp:
            return "TimesUp";
        case Msg::EndRound:
            return "EndRound";
        case Msg::Winner:
            return "Winner";
        case Msg::RoundStart:
            return "RoundStart";
    }
    return "";
}

namespace {

std::string_view fieldName(protocol::Field field) {
    switch (field) {
        case protocol::Field::Number:
            return "number";
        case protocol::Field::Text:
            return "text";
        case protocol::Field::Rest:
            return "rest";
    }
    return "";
}

std::string_view endingName(protocol::Ending ending) {
    switch (ending) {
        case protocol::Ending::Plain:
            return "plain";
        case protocol::Ending::Separator:
            return "separator";
        case protocol::Ending::DoubleTerminator:
            return "doubleTerminator";
    }
    return "";
}

// Names, words and versions are plain ASCII; quotes and backslashes are escaped all the same.
void appendString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
}

void appendFields(std::string& out, std::span<const protocol::Field> fields) {
    out += '[';
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendString(out, fieldName(fields[i]));
    }
    out += ']';
}

}  // namespace

std::string protocolJson() {
    std::string out = "{\"version\":";
    appendString(out, protocol::kVersion);
    out += ",\"terminator\":" + std::to_string(static_cast<unsigned char>(protocol::kTerminator)) +
           ",\"separator\":";
    appendString(out, std::string_view(&protocol::kSeparator, 1));
    out += ",\"messages\":[";
    bool first = true;
    for (const protocol::MessageLayout& m : protocol::messageTable()) {
        out += first ? "\n" : ",\n";
        first = false;
        out += "{\"id\":";
        appendString(out, messageName(m.id));
        out += ",\"word\":";
        appendString(out, m.word);
        out += ",\"direction\":";
        appendString(out, m.direction == protocol::Direction::ToHost ? "toHost" : "toClient");
        out += ",\"head\":";
        appendFields(out, m.head);
        out += ",\"group\":";
        appendFields(out, m.group);
        out += ",\"ending\":";
        appendString(out, endingName(m.ending));
        out += ",\"sentByHost\":";
        out += m.sentByHost ? "true" : "false";
        out += '}';
    }
    out += "\n]}";
    return out;
}

}  // namespace hexaline::tools
