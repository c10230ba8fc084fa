// SPDX-License-Identifier: GPL-3.0-or-later
// Games, rounds and turns, driven by messages and the break timer.
#include <vector>

#include "engine/host.h"
#include "protocol/builder.h"
#include "protocol/reader.h"

namespace hexaline::engine {

void Host::startgame(const std::string& name, std::string_view playtoText,
                     std::string_view secondsText) {
    outlet_.stopBreakTimer();
    outlet_.stopComputerTimer();
    timertag = 0;
    breakaction = BreakAction::None;
    gameon = true;
    playto = protocol::parseNumber(playtoText).value_or(5);
    turntime = protocol::parseNumber(secondsText).value_or(30);
    sendtoall(protocol::build(protocol::Msg::GameStarted, {name, playto, turntime}));
    for (int seat = 1; seat <= maxplayers; ++seat) {
        seats[seat].score = 0;
        seats[seat].watching = false;
    }
    currentplayer = 0;
    roundno = 0;
    startround();
}

void Host::startround() {
    clearboard();
    firstplay = 1;
    std::vector<protocol::Values> list;
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        seats[seat].inround = seats[seat].connected || seat == 2;
        list.push_back({seat, seats[seat].inround ? "p" : "n"});
    }
    ++roundno;
    const std::string announcement = protocol::build(protocol::Msg::RoundStarting, {roundno}, list);
    int count = 0;
    for (int seat = 1; seat <= std::min(seatcount, kSeatTableSize); ++seat) {
        if (!seats[seat].connected)
            continue;
        sendto(seat, announcement);
        ++count;
    }
    shuffletiles();
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        seats[seat].hand.fill(0);
        if (seats[seat].inround)
            dealtiles(seat);
    }
    turnstate = TurnState::None;
    currentplayer = static_cast<int>(random_.next(static_cast<std::uint32_t>(count)));
    findplayer();
}

void Host::findplayer() {
    // A computer move armed for the seat whose turn ends is dropped.
    outlet_.stopComputerTimer();
    timertag = 0;
    // The opening draw may name a spectator seat; anything past the player seats wraps to 1.
    int seat = currentplayer;
    bool found = false;
    for (int tries = 0; tries < kMaxPlayers && !found; ++tries) {
        seat = (seat >= kMaxPlayers || seat < 0) ? 1 : seat + 1;
        found = seats[seat].inround;
    }
    if (!found)
        return;
    currentplayer = seat;
    dealtiles(seat);
    const bool canmove = checkformove(seat);
    if (canmove) {
        for (int s = 1; s <= kMaxPlayers; ++s)
            seats[s].canmove = true;
    } else {
        seats[seat].canmove = false;
    }
    sendtoall(protocol::build(protocol::Msg::NextPlayer, {seat, canmove ? "t" : "f", tilesleft()}));
    if (canmove) {
        turnstate = TurnState::Play;
        if (computerplays(seat))
            startcomputerturn();
        armbreak(BreakAction::TimeUp, static_cast<long long>(turntime) + 4);
        return;
    }
    bool anyonecan = false;
    for (int s = 1; s <= kMaxPlayers; ++s)
        anyonecan = anyonecan || (seats[s].inround && seats[s].canmove);
    if (anyonecan) {
        armbreak(BreakAction::NextTurn, 5);
        return;
    }
    sendtoall(protocol::build(protocol::Msg::EndRound));
    armbreak(BreakAction::EndRound, 3);
}

void Host::ipass(int seat) {
    if (seat != currentplayer)
        return;
    // Outside a game, between rounds, or once the round is ending (a seat ran out, or nobody
    // can move), a pass would replace the pending round start or round end: a finished game
    // or round would go on, and seats that pass whenever they cannot move would keep a round
    // that nobody can finish alive for ever.
    if (!gameon || breakaction == BreakAction::StartRound || breakaction == BreakAction::EndRound)
        return;
    sendtoall(protocol::build(protocol::Msg::HePassed, {seat}));
    turnstate = TurnState::None;
    armbreak(BreakAction::NextTurn, 3);
}

void Host::ipass(std::string_view text) {
    protocol::Reader fields(protocol::Msg::Pass, text);
    ipass(fields.number());
}

void Host::timeup() {
    sendtoall(protocol::build(protocol::Msg::TimesUp));
    turnstate = TurnState::None;
    armbreak(BreakAction::NextTurn, 5);
}

void Host::endround() {
    turnstate = TurnState::None;
    if (checkforwin())
        return;
    armbreak(BreakAction::StartRound, 15);
}

bool Host::checkforwin() {
    int candidate = 0;
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        if (seats[seat].score > playto)
            candidate = seat;
    }
    if (candidate == 0)
        return false;
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        if (seat != candidate && seats[seat].score > seats[candidate].score)
            candidate = seat;
    }
    for (int seat = 1; seat <= kMaxPlayers; ++seat) {
        if (seat != candidate && seats[seat].score == seats[candidate].score)
            return false;
    }
    const tplayer& winner = seats[candidate];
    sendtoall(protocol::build(protocol::Msg::Winner,
                              {winner.name.empty() ? winner.botname : winner.name}));
    gameon = false;
    return true;
}

void Host::breakTick() {
    --breakcount;
    if (breakcount >= 1)
        return;
    outlet_.stopBreakTimer();
    const BreakAction action = breakaction;
    breakaction = BreakAction::None;
    switch (action) {
        case BreakAction::NextTurn:
            findplayer();
            break;
        case BreakAction::StartRound:
            startround();
            break;
        case BreakAction::EndRound:
            endround();
            break;
        case BreakAction::TimeUp:
            timeup();
            break;
        case BreakAction::None:
            break;
    }
}

}  // namespace hexaline::engine
