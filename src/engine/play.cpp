// SPDX-License-Identifier: GPL-3.0-or-later
// A play: reading it, the four tests in their order, scoring and applying it.
#include <vector>

#include "engine/host.h"
#include "engine/sets.h"
#include "protocol/builder.h"
#include "protocol/reader.h"

namespace hexaline::engine {
namespace {

struct Triple {
    int slot;
    int row;
    int column;
};

bool onboard(int index) {
    return index >= 0 && index < kBoardSize;
}

// A play no table can hold: a slot outside 1..6, a square off the board, a slot or a square
// named twice, or no tile at all.
bool malformed(const std::vector<Triple>& triples) {
    if (triples.empty())
        return true;
    for (std::size_t i = 0; i < triples.size(); ++i) {
        const Triple& t = triples[i];
        if (t.slot < 1 || t.slot > kHandSlots || !onboard(t.row) || !onboard(t.column)) {
            return true;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (triples[j].slot == t.slot)
                return true;
            if (triples[j].row == t.row && triples[j].column == t.column)
                return true;
        }
    }
    return false;
}

bool istileat(const Board& board, int row, int column) {
    const int v = board[row][column].committed;
    return v != 0 && v != kFrame;
}

}  // namespace

void Host::myturn(std::string_view text) {
    sixbonus = 0;
    if (turnstate != TurnState::Play)
        return;
    protocol::Reader fields(protocol::Msg::Play, text);
    const int seat = fields.number();
    if (seat != currentplayer || seat < 1 || seat > kMaxPlayers)
        return;

    // Every field is read before anything is written, so a bad field changes nothing.
    std::vector<Triple> triples;
    while (!fields.atListEnd()) {
        Triple t{};
        t.slot = fields.number();
        t.row = fields.number();
        t.column = fields.number();
        triples.push_back(t);
    }

    placed.fill(Placement{});
    if (malformed(triples)) {
        refuse(seat, Refusal::NotASet);
        return;
    }
    for (const Triple& t : triples) {
        placed[t.slot] = {t.row, t.column};
        if (board[t.row][t.column].committed != kFrame) {
            board[t.row][t.column].proposed = seats[seat].hand[t.slot];
        }
    }

    // Test 1: occupied squares; the frame counts as occupied (square (0, 0) included).
    for (const Triple& t : triples) {
        if (board[t.row][t.column].committed != 0) {
            refuse(seat, Refusal::Occupied);
            return;
        }
    }

    // Test 2: contact, except on a round's first play.
    if (firstplay == 0) {
        bool touches = false;
        for (int slot = 1; slot <= kHandSlots && !touches; ++slot) {
            const Placement p = placed[slot];
            if (p.row == 0 && p.column == 0)
                continue;
            touches = istileat(board, p.row - 1, p.column) ||
                      istileat(board, p.row + 1, p.column) ||
                      istileat(board, p.row, p.column - 1) || istileat(board, p.row, p.column + 1);
        }
        if (!touches) {
            refuse(seat, Refusal::NoContact);
            return;
        }
    }

    // Test 3: one line.
    playscore = 0;
    const PlayLine direction = checkforsameline();
    if (direction == PlayLine::None) {
        refuse(seat, Refusal::NotInLine);
        return;
    }

    // Test 4: every line through the play is a valid set; scores as it goes.
    if (!checkfortouching(direction)) {
        refuse(seat, Refusal::NotASet);
        return;
    }
    applyplay(seat);
}

PlayLine Host::checkforsameline() const {
    const Placement* first = nullptr;
    bool rowsdiffer = false;
    bool columnsdiffer = false;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Placement& p = placed[slot];
        if (p.row == 0 && p.column == 0)
            continue;
        if (first == nullptr) {
            first = &p;
            continue;
        }
        if (p.row != first->row)
            rowsdiffer = true;
        if (p.column != first->column)
            columnsdiffer = true;
    }
    if (rowsdiffer && columnsdiffer)
        return PlayLine::None;
    return rowsdiffer ? PlayLine::Column : PlayLine::Row;
}

bool Host::checkfortouching(PlayLine direction) {
    bool rowlinescored = false;
    bool columnlinescored = false;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Placement at = placed[slot];
        if (at.row == 0 && at.column == 0)
            continue;
        for (int along = 1; along <= 2; ++along) {
            // along 1: the row through the tile (columns vary); along 2: its column.
            const bool row = along == 1;
            std::array<int, kBoardSize> values{};
            for (int i = kFirstLine; i <= kLastLine; ++i) {
                values[i] = row ? board[at.row][i].committed : board[i][at.column].committed;
            }
            int low = kLastLine + 1;
            int high = 0;
            for (int s = 1; s <= kHandSlots; ++s) {
                const Placement p = placed[s];
                if (p.row == 0 && p.column == 0)
                    continue;
                const int index = row ? p.column : p.row;
                low = std::min(low, index);
                high = std::max(high, index);
                values[index] =
                    row ? board[at.row][index].proposed : board[index][at.column].proposed;
            }
            for (int i = low; i <= high; ++i) {
                if (values[i] == 0)
                    return false;  // a gap in the play's line
            }
            while (low > kFirstLine && values[low - 1] != 0)
                --low;
            while (high < kLastLine && values[high + 1] != 0)
                ++high;
            const int n = high - low + 1;
            const bool mainline = row ? direction == PlayLine::Row : direction == PlayLine::Column;
            bool& scoredonce = row ? rowlinescored : columnlinescored;
            if (n >= 2 && (!mainline || !scoredonce)) {
                playscore += n;
                if (n == 6) {
                    playscore += 6;
                    sixbonus = 6;
                }
            }
            if (mainline)
                scoredonce = true;
            if (!checkit(low, high, values))
                return false;
        }
    }
    return true;
}

bool Host::checkit(int low, int high, const std::array<int, kBoardSize>& values) {
    if (low < 0 || high >= kBoardSize || low > high)
        return low == high;
    return lineisaset(std::span<const int>(values.data() + low, high - low + 1));
}

void Host::refuse(int seat, Refusal refusal) {
    const int code = static_cast<int>(refusal);
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Placement p = placed[slot];
        if (p.row == 0 && p.column == 0)
            continue;
        board[p.row][p.column].proposed = board[p.row][p.column].committed;
    }
    const tplayer& player = seats[seat];
    if (!player.connected || player.watching) {
        outlet_.alert("Hexaline - error 00" + std::to_string(code));
    }
    if (player.connected)
        sendto(seat, protocol::build(protocol::Msg::Error, {seat, code}));
}

void Host::applyplay(int seat) {
    tplayer& player = seats[seat];
    std::vector<protocol::Values> pieces;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Placement p = placed[slot];
        if (p.row == 0 && p.column == 0)
            continue;
        const int tile = player.hand[slot];
        board[p.row][p.column].committed = tile;
        board[p.row][p.column].proposed = tile;
        pieces.push_back({slot, tile, p.row, p.column});
        player.hand[slot] = 0;
    }
    player.score += playscore;
    firstplay = 0;
    sendtoall(
        protocol::build(protocol::Msg::HisPlay, {seat, player.score, playscore, sixbonus}, pieces));
    bool holdsatile = false;
    for (int slot = 1; slot <= kHandSlots; ++slot)
        holdsatile = holdsatile || player.hand[slot] != 0;
    turnstate = TurnState::None;
    if (holdsatile) {
        armbreak(BreakAction::NextTurn, 1);
        return;
    }
    armbreak(BreakAction::EndRound, 3);
    playscore += 10;
    player.score += 10;
    sendtoall(protocol::build(protocol::Msg::RanOut, {seat, player.score, playscore}));
}

}  // namespace hexaline::engine
