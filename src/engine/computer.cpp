// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's pacing and moves: the chosen player picks the play, the host submits it.
#include "engine/host.h"
#include "engine/players/player.h"

namespace hexaline::engine {

bool Host::computerplays(int seat) const {
    if (seat < 1 || seat > kMaxPlayers || !seats[seat].inround)
        return false;
    return !seats[seat].connected || seats[seat].watching;
}

void Host::setbotlevel(BotLevel level) {
    botlevel_ = level;
    for (int seat = 1; seat <= kMaxPlayers; ++seat)
        players_[seat] = makeplayer(level);
}

void Host::setbotlevel(int seat, BotLevel level) {
    if (seat >= 1 && seat <= kMaxPlayers)
        players_[seat] = makeplayer(level);
}

void Host::startcomputerturn() {
    outlet_.stopComputerTimer();
    const int interval = outlet_.botSpeed();
    timertag = 1;
    botcountdown = 1;
    botseat = currentplayer;
    outlet_.startComputerTimer(interval);
}

void Host::computertimerTimer() {
    --botcountdown;
    if (botcountdown >= 1)
        return;
    outlet_.stopComputerTimer();
    if (timertag != 1)
        return;
    timertag = 0;
    // The move belongs to the seat it was armed for, and only while the computer plays it.
    if (!gameon || turnstate != TurnState::Play || currentplayer != botseat ||
        !computerplays(currentplayer)) {
        return;
    }
    computerplay(currentplayer);
}

void Host::computerplay(int seat) {
    const bool opening = firstplay == 1;
    const std::string text = computersuggestion(seat);
    if (text.empty()) {
        outlet_.alert(opening ? "computer error" : "no play");
        return;
    }
    myturn(text);
}

std::string Host::computersuggestion(int seat) {
    if (seat < 1 || seat > kMaxPlayers)
        return {};
    return players_[seat]->choose(seatview(seat));
}

}  // namespace hexaline::engine
