// SPDX-License-Identifier: GPL-3.0-or-later
// What the host session asks of the game when seats come and go.
#include <algorithm>
#include <vector>

#include "engine/host.h"
#include "protocol/builder.h"

namespace hexaline::engine {

int Host::takeseat(int lastseat) {
    return takeseat(1, lastseat);
}

int Host::takeseat(int firstseat, int lastseat) {
    lastseat = std::min(lastseat, kSeatTableSize);
    // Seats past the count are new; every seat up to it is kept, free or not.
    for (int seat = std::max(firstseat, 1); seat <= lastseat; ++seat) {
        if (seat > seatcount || !seats[seat].connected) {
            seatcount = std::max(seatcount, seat);
            seats[seat].connected = true;
            return seat;
        }
    }
    return 0;
}

bool Host::holdseat(int seat) {
    if (seat < 1 || seat > kSeatTableSize || seat > seatcount || seats[seat].connected)
        return false;
    seats[seat].connected = true;
    return true;
}

bool Host::release(int seat) {
    if (seat < 1 || seat > kSeatTableSize)
        return false;
    tplayer& player = seats[seat];
    const bool was = player.connected;
    player.connected = false;
    player.name.clear();
    player.watching = false;
    return was;
}

void Host::login(int seat, const std::string& name) {
    if (seat < 1 || seat > kSeatTableSize)
        return;
    seats[seat].name = name;
    seats[seat].connected = true;
}

void Host::watch(int seat, bool watching) {
    if (seat >= 1 && seat <= kSeatTableSize)
        seats[seat].watching = watching;
}

void Host::turnseatleft(int seat) {
    // Only an awaited play moves on: a pending round end or round start must not be lost.
    if (gameon && seat == currentplayer && turnstate == TurnState::Play)
        findplayer();
}

void Host::bringuptodate(int seat) {
    if (!gameon || seat < 1 || seat > kSeatTableSize || !seats[seat].connected)
        return;
    std::vector<protocol::Values> standings;
    for (int s = 1; s <= kMaxPlayers; ++s) {
        standings.push_back({s, seats[s].score, seats[s].inround ? "t" : "f"});
    }
    sendto(seat, protocol::build(
                     protocol::Msg::GameStats,
                     {seat, currentplayer, playto, turntime, breakcount - 4, roundno, tilesleft()},
                     standings));
    if (!boardempty()) {
        std::vector<protocol::Values> squares;
        for (int r = kFirstLine; r <= kLastLine; ++r) {
            for (int c = kFirstLine; c <= kLastLine; ++c) {
                if (board[r][c].committed != 0)
                    squares.push_back({r, c, board[r][c].committed});
            }
        }
        sendto(seat, protocol::build(protocol::Msg::LoadBoard, {seat}, squares));
    }
    if (seat <= kMaxPlayers) {
        std::vector<protocol::Values> hand;
        for (int slot = 1; slot <= kHandSlots; ++slot)
            hand.push_back({slot, seats[seat].hand[slot]});
        sendto(seat, protocol::build(protocol::Msg::MyTiles, {seat}, hand));
    }
}

}  // namespace hexaline::engine
