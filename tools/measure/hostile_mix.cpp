// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/measure/hostile_mix.h"

#include <algorithm>
#include <limits>

#include "protocol/builder.h"
#include "protocol/framer.h"
#include "protocol/names.h"
#include "protocol/seats.h"

namespace hexaline::measure {

using protocol::Msg;
using protocol::Values;

namespace {

constexpr const char* kSoundNames[] = {"entered", "turn",   "finish",   "pass",       "wave1",
                                       "wave7",   "wave20", "gameover", "nosuchsound"};

}  // namespace

HostileMix::HostileMix(unsigned seed) : rng_(seed), made_(protocol::kMessageCount, 0) {
    for (const protocol::MessageLayout& m : protocol::messageTable()) {
        if (m.direction == protocol::Direction::ToClient && m.id != Msg::SendLoginInfo)
            kinds_.push_back(m.id);
    }
}

int HostileMix::pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng_);
}

std::int64_t HostileMix::number(bool malformed) {
    if (!malformed || chance(50))
        return pick(0, 12);
    switch (pick(0, 5)) {
        case 0:
            return -pick(1, 1000);
        case 1:
            return std::numeric_limits<std::int64_t>::max();
        case 2:
            return std::int64_t{1} << 31;
        case 3:
            return std::numeric_limits<std::int64_t>::min();
        default:
            return pick(13, 100000);
    }
}

// A small multiple of `factor`, or in the malformed mode now and then any number at all.
std::int64_t HostileMix::scaled(int factor, bool malformed) {
    return malformed && chance(50) ? number(true) : std::int64_t{pick(0, 12)} * factor;
}

// Letters and spaces; in the malformed mode also control characters, separators of the chat
// payload and bytes that are no UTF-8.
std::string HostileMix::word(int length, bool malformed) {
    std::string out;
    out.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        if (malformed && chance(10)) {
            constexpr char kOdd[] = {'\x01', '\t', '\n', '\r', '|', '\xC3', '\xE2', '\x80', '\xFE'};
            out += kOdd[pick(0, int(sizeof kOdd) - 1)];
        } else if (chance(12)) {
            out += ' ';
        } else {
            out += static_cast<char>(pick(0, 1) ? pick('a', 'z') : pick('A', 'Z'));
        }
    }
    return out;
}

// A text a widget that guesses rich text would read as markup: a picture of an endless file,
// bold, an entity, a link to a local file; each with a number so that names keep changing.
std::string HostileMix::markup() {
    static constexpr const char* kMarkup[] = {"<img src=/dev/zero>", "<b>x</b>", "&lt;",
                                              "<img src=/etc/hostname>", "<a href=file:///>a</a>"};
    return std::string(kMarkup[pick(0, int(std::size(kMarkup)) - 1)]) + std::to_string(pick(0, 99));
}

// Up to twice the name bound, now and then far beyond it.
std::string HostileMix::name(bool malformed) {
    if (markupNames && chance(80))
        return markup();
    const int bound = static_cast<int>(protocol::kMaxNameBytes);
    const int length = chance(5) ? pick(bound, 4000) : pick(0, 2 * bound);
    return word(length, malformed);
}

// Chat-sized text with smileys and links, now and then tens of kilobytes. A seat mostly keeps
// its colour, as people do.
std::string HostileMix::longText(int seat, bool malformed) {
    const int length = chance(3) ? pick(8000, 40000) : pick(0, chance(30) ? 4000 : 300);
    std::string out;
    while (static_cast<int>(out.size()) < length) {
        switch (pick(0, 9)) {
            case 0:
                out += ":)#";  // a smiley, now and then one that does not exist
                out += std::to_string(chance(90) ? pick(10, 27) : pick(0, 99));
                break;
            case 1:
                out += " http://127.0.0.1/";
                out += word(pick(1, 12), false);
                out += ' ';
                break;
            case 2:
                out += "+";  // the payload may carry the separator
                break;
            case 3:
                out += markupNames ? markup() : word(pick(1, 40), malformed);
                break;
            default:
                out += word(pick(1, 40), malformed);
                break;
        }
    }
    std::uint32_t& colour = colours_[static_cast<std::size_t>(std::clamp(seat, 0, 10))];
    if (chance(5))
        colour = static_cast<std::uint32_t>(pick(0, 0xFFFFFF));
    out += '|';
    out += std::to_string(colour);
    return out;
}

// Spectator seats most of all.
int HostileMix::seat(bool malformed) {
    if (malformed && chance(30))
        return chance(50) ? pick(-3, 0) : pick(protocol::kSeatCount + 1, 1000);
    return chance(60) ? pick(protocol::kPlayerSeats + 1, protocol::kSeatCount)
                      : pick(1, protocol::kPlayerSeats);
}

std::string HostileMix::seatAssignment() {
    ++made_[static_cast<std::size_t>(Msg::SendLoginInfo)];
    return protocol::build(Msg::SendLoginInfo, {seat(false)});
}

std::string HostileMix::next(bool malformed) {
    // The table full notice closes the window: a rare guest.
    Msg id = kinds_[static_cast<std::size_t>(pick(0, int(kinds_.size()) - 1))];
    if (id == Msg::Full && !chance(2))
        id = Msg::NewPlayerInfo;
    // Spectators announced again and again are the flood that grew the window before.
    if (chance(15))
        id = Msg::NewPlayerInfo;
    // A longer message would make the client close the connection, as it should: the flood
    // stays just within the bound so that it goes on.
    std::string wire = build(id, malformed);
    while (wire.size() >= protocol::Framer::kMaxRemainder)
        wire = build(id, malformed);
    ++made_[static_cast<std::size_t>(id)];
    if (malformed && chance(10) && wire.size() > 2) {
        // Cut short: the fields stop anywhere, the terminator still comes.
        wire.resize(static_cast<std::size_t>(pick(1, int(wire.size()) - 1)));
        wire.back() = protocol::kTerminator;
    }
    return wire;
}

std::string HostileMix::build(Msg id, bool malformed) {
    const bool odd = malformed;
    auto flag = [&](const char* a, const char* b) -> std::string {
        return odd && chance(20) ? word(pick(0, 3), true) : (chance(50) ? a : b);
    };
    auto list = [&](int most) { return odd && chance(30) ? pick(0, 400) : pick(0, most); };
    std::vector<Values> groups;
    switch (id) {
        case Msg::NewPlayerInfo:
        case Msg::ExistingPlayers:
            for (int n = list(protocol::kSeatCount); n > 0; --n)
                groups.push_back({seat(odd), name(odd), flag("0", "1")});
            return protocol::build(id, {}, groups);
        case Msg::HaveWrongVersion:
            return protocol::build(id, {name(odd)});
        case Msg::GameStats:
            for (int n = list(protocol::kPlayerSeats); n > 0; --n)
                groups.push_back({seat(odd), scaled(25, odd), flag("0", "1")});
            return protocol::build(id,
                                   {seat(odd), seat(odd), scaled(50, odd), number(odd), number(odd),
                                    scaled(8, odd), number(odd)},
                                   groups);
        case Msg::LoadBoard:
            for (int n = list(144); n > 0; --n)
                groups.push_back({pick(1, 12), pick(1, 12), odd ? number(odd) : pick(0, 108)});
            return protocol::build(id, {static_cast<int>(groups.size())}, groups);
        case Msg::MyTiles:
            for (int n = list(6); n > 0; --n)
                groups.push_back({odd ? number(odd) : pick(1, 6), pick(0, 108)});
            return protocol::build(id, {seat(odd)}, groups);
        case Msg::PlayerDisconnected:
            return protocol::build(id, {seat(odd), name(odd)});
        case Msg::JustWatching:
            return protocol::build(id, {seat(odd), flag("1", "2")});
        case Msg::ChatRelay:
        case Msg::ActionRelay: {
            const int from = seat(odd);
            return protocol::build(id, {from, longText(from, odd)});
        }
        case Msg::SoundRelay: {
            const std::string sound = kSoundNames[pick(0, int(std::size(kSoundNames)) - 1)];
            return protocol::build(id, {seat(odd), odd ? longText(0, true) : sound});
        }
        case Msg::GameStarted:
            return protocol::build(id, {name(odd), std::to_string(scaled(50, odd)),
                                        std::to_string(odd ? number(odd) : pick(5, 120))});
        case Msg::RoundStarting:
        case Msg::RoundStart:
            for (int n = list(protocol::kPlayerSeats); n > 0; --n)
                groups.push_back({seat(odd), flag("y", "n")});
            return protocol::build(id, {number(odd)}, groups);
        case Msg::NextPlayer:
            return protocol::build(id, {seat(odd), flag("t", "f"), scaled(9, odd)});
        case Msg::HisPlay:
            for (int n = list(6); n > 0; --n)
                groups.push_back(
                    {pick(1, 6), pick(1, 108), odd ? number(odd) : pick(1, 12), pick(1, 12)});
            return protocol::build(
                id, {seat(odd), scaled(20, odd), scaled(3, odd), chance(20) ? 6 : number(odd)},
                groups);
        case Msg::Error:
            return protocol::build(id, {seat(odd), odd ? number(odd) : pick(1, 4)});
        case Msg::RanOut:
            return protocol::build(id, {seat(odd), scaled(20, odd), scaled(3, odd)});
        case Msg::HePassed:
            return protocol::build(id, {seat(odd)});
        case Msg::Winner:
            return protocol::build(id, {name(odd)});
        default:  // the messages without fields: full, wrong version, times up, end of round
            return protocol::build(id);
    }
}

}  // namespace hexaline::measure
