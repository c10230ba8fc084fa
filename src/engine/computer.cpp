// The computer player: pacing, the opening set and the later plays.
#include "engine/host.h"

namespace hexaline::engine {
namespace {

// "+" slot "+" row "+" column, as a play text carries each tile.
void appendtriple(std::string& text, int slot, int row, int column) {
    for (int v : {slot, row, column}) {
        text += '+';
        text += std::to_string(v);
    }
}

}  // namespace

bool Host::computerplays(int seat) const {
    if (seat < 1 || seat > kMaxPlayers || !seats[seat].inround)
        return false;
    return !seats[seat].connected || seats[seat].watching;
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
    if (!gameon || turnstate != 'p' || currentplayer != botseat || !computerplays(currentplayer)) {
        return;
    }
    computerplay(currentplayer);
}

std::string Host::botplaytext(int seat) const {
    std::string text = std::to_string(seat);
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Placement p = botplacement[slot];
        if (p.row == 0)
            continue;
        appendtriple(text, slot, p.row, p.column);
    }
    return text;
}

void Host::computerplay(int seat) {
    if (firstplay == 1) {
        computerfirsturn(seat);
        return;
    }
    const std::string text = computerchoice(seat);
    if (text.empty()) {
        outlet_.alert("no play");
        return;
    }
    myturn(text);
}

std::string Host::computerchoiceLiteral(int seat) {
    botplacement.fill(Placement{});
    for (int target = 6; target >= 1; --target) {
        for (int c = kFirstLine; c <= kLastLine; ++c) {
            for (int r = kFirstLine; r <= kLastLine; ++r) {
                if (board[r][c].committed == 0)
                    continue;
                if (computercheckupdown(seat, r, c) == target)
                    return botplaytext(seat);
                if (computercheckleftright(seat, r, c) == target)
                    return botplaytext(seat);
            }
        }
    }
    return {};
}

// Every count depends only on the board and the hand, so one scan finds the largest count and
// the first search (anchor order, vertical before horizontal) that reaches it.
std::string Host::computerchoice(int seat) {
    int best = 0;
    int bestrow = 0;
    int bestcolumn = 0;
    bool bestvertical = true;
    for (int c = kFirstLine; c <= kLastLine && best < kHandSlots; ++c) {
        for (int r = kFirstLine; r <= kLastLine && best < kHandSlots; ++r) {
            const int anchor = board[r][c].committed;
            if (anchor == 0 || !matchesanyhandtile(seat, anchor))
                continue;
            const bool upordown = board[r - 1][c].proposed == 0 || board[r + 1][c].proposed == 0;
            if (upordown) {
                const int count = computercheckupdown(seat, r, c);
                if (count > best) {
                    best = count;
                    bestrow = r;
                    bestcolumn = c;
                    bestvertical = true;
                }
            }
            const bool leftorright = board[r][c - 1].proposed == 0 || board[r][c + 1].proposed == 0;
            if (leftorright && best < kHandSlots) {
                const int count = computercheckleftright(seat, r, c);
                if (count > best) {
                    best = count;
                    bestrow = r;
                    bestcolumn = c;
                    bestvertical = false;
                }
            }
        }
    }
    if (best == 0) {
        botplacement.fill(Placement{});
        return {};
    }
    if (bestvertical) {
        computercheckupdown(seat, bestrow, bestcolumn);
    } else {
        computercheckleftright(seat, bestrow, bestcolumn);
    }
    return botplaytext(seat);
}

std::string Host::openingplay(int seat) const {
    for (int size = kHandSlots; size >= 1; --size) {
        std::string play = computergetcolorsets(seat, size);
        if (play.empty())
            play = computergetshapesets(seat, size);
        if (!play.empty())
            return std::to_string(seat) + play;
    }
    return {};
}

std::string Host::computersuggestion(int seat) {
    return firstplay == 1 ? openingplay(seat) : computerchoice(seat);
}

void Host::computerfirsturn(int seat) {
    const std::string play = openingplay(seat);
    if (play.empty()) {
        outlet_.alert("computer error");
        return;
    }
    myturn(play);
}

namespace {

constexpr int kNone = -1;

// The largest set around each seed slot: slots sharing `group` with the seed, each `key`
// once (the lowest slot keeps it), laid from (4, 4) along the line; the position counter runs
// on across discarded seeds.
template <typename Group, typename Key>
std::string openingset(const std::array<int, kHandSlots + 1>& hand, int size, bool down,
                       Group group, Key key) {
    int next = 4;
    for (int seed = 1; seed <= kHandSlots - 1; ++seed) {
        if (hand[seed] == 0)
            continue;  // an empty slot is no tile to build on
        std::array<int, kHandSlots + 1> pick{};
        pick.fill(kNone);
        pick[seed] = key(hand[seed]);
        for (int i = 1; i <= kHandSlots; ++i) {
            if (i != seed && hand[i] != 0 && group(hand[i]) == group(hand[seed])) {
                pick[i] = key(hand[i]);
            }
        }
        for (int a = 1; a <= kHandSlots - 1; ++a) {
            for (int b = 1; b <= kHandSlots; ++b) {
                if (b != a && pick[b] != kNone && pick[a] == pick[b])
                    pick[b] = kNone;
            }
        }
        std::string play;
        int count = 0;
        for (int i = 1; i <= kHandSlots; ++i) {
            if (pick[i] == kNone)
                continue;
            ++count;
            const int row = down ? next : 4;
            const int column = down ? 4 : next;
            appendtriple(play, i, row, column);
            ++next;
        }
        if (count == size)
            return play;
    }
    return {};
}

}  // namespace

std::string Host::computergetcolorsets(int seat, int size) const {
    if (seat < 1 || seat > kMaxPlayers)
        return {};
    return openingset(seats[seat].hand, size, true, colourof, getshape);
}

std::string Host::computergetshapesets(int seat, int size) const {
    if (seat < 1 || seat > kMaxPlayers)
        return {};
    return openingset(seats[seat].hand, size, false, getshape, colourof);
}

}  // namespace hexaline::engine
