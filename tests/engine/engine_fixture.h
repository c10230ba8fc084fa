// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host on a virtual clock, with helpers to lay out positions and read what was sent.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/host.h"
#include "engine/virtual_outlet.h"

namespace hexaline::engine::testing {

// Tile codes by colour and shape, as the tile table numbers them.
enum Colour { Purple = 1, Yellow = 2, Orange = 3, Red = 4, Blue = 5, Green = 6 };
enum Shape { Car = 1, Smiley = 2, Flower = 3, Heart = 4, Peace = 5, Bubbles = 6 };
constexpr int tile(Colour colour, Shape shape) {
    return (shape - 1) * 6 + colour;
}

class EngineTest : public ::testing::Test {
  protected:
    EngineTest() : random(12345), host(outlet, random) { outlet.attach(host); }

    void put(int row, int column, int code) {
        host.board[row][column].committed = code;
        host.board[row][column].proposed = code;
    }
    void hand(int seat, std::vector<int> codes) {
        host.seats[seat].hand.fill(0);
        for (std::size_t i = 0; i < codes.size(); ++i)
            host.seats[seat].hand[i + 1] = codes[i];
    }
    // A turn of `seat` awaiting a play, without any round having been dealt.
    void awaiting(int seat, bool first = false) {
        host.gameon = true;
        host.turnstate = TurnState::Play;
        host.currentplayer = seat;
        host.firstplay = first ? 1 : 0;
        host.seats[seat].inround = true;
    }
    void connect(int seat) {
        host.seats[seat].connected = true;
        host.seatcount = std::max(host.seatcount, seat);
    }

    // The messages sent to `seat` (terminator removed), oldest first; clears nothing.
    std::vector<std::string> to(int seat) const {
        std::vector<std::string> out;
        for (const auto& s : outlet.sent) {
            if (s.seat == seat)
                out.push_back(s.message.substr(0, s.message.size() - 1));
        }
        return out;
    }
    std::string last(int seat) const {
        const auto all = to(seat);
        return all.empty() ? std::string() : all.back();
    }
    bool boardMatchesProposed() const {
        for (int r = 0; r < kBoardSize; ++r) {
            for (int c = 0; c < kBoardSize; ++c) {
                if (host.board[r][c].proposed != host.board[r][c].committed)
                    return false;
            }
        }
        return true;
    }

    VirtualOutlet outlet;
    Random random;
    Host host;
};

}  // namespace hexaline::engine::testing
