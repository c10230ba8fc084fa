// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/host.h"

#include <algorithm>
#include <climits>

namespace hexaline::engine {

Host::Host(EngineOutlet& outlet, Random& random) : outlet_(outlet), random_(random) {
    seats[2].botname = "Klot";
    seats[3].botname = "Klock";
    seats[4].botname = "Kling";
    maxplayers = kMaxPlayers;
    clearboard();
    setbotlevel(BotLevel::Normal);
}

Host::~Host() = default;

void Host::sendto(int seat, const std::string& message) {
    if (seat >= 1 && seat <= kSeatTableSize && seats[seat].connected)
        outlet_.send(seat, message);
}

void Host::sendtoall(const std::string& message) {
    const int last = std::min(seatcount, kSeatTableSize);
    for (int seat = 1; seat <= last; ++seat)
        sendto(seat, message);
}

// Stop, set the action and the countdown, start: the action runs `seconds` ticks from now.
void Host::armbreak(BreakAction action, long long seconds) {
    outlet_.stopBreakTimer();
    breakaction = action;
    breakcount = static_cast<int>(std::clamp<long long>(seconds, 0, INT_MAX));
    outlet_.armBreakTimer();
}

}  // namespace hexaline::engine
