// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test players make real plays: the play the computer would make for a seat, found on a copy
// of the host's tables.

#include <array>
#include <string>
#include <vector>

#include "engine/host.h"
#include "engine/virtual_outlet.h"
#include "protocol/builder.h"
#include "protocol/reader.h"

namespace hexaline::support {

// Slot, row and column of each tile of the play, in slot order; empty when none is found.
using Play = std::vector<std::array<int, 3>>;

inline Play suggestedPlay(const engine::HostTables& game, int seat) {
    engine::VirtualOutlet outlet;
    engine::Random random(1);
    engine::Host mirror(outlet, random);
    mirror.restore(game);
    const std::string text = mirror.computersuggestion(seat);
    Play play;
    if (text.empty())
        return play;
    for (const auto& g : protocol::decode(protocol::Msg::Play, text).groups) {
        play.push_back({std::stoi(g[0]), std::stoi(g[1]), std::stoi(g[2])});
    }
    return play;
}

// The play as the client sends it.
inline std::string playMessage(int seat, const Play& play) {
    std::vector<protocol::Values> groups;
    for (const auto& [slot, row, column] : play)
        groups.push_back({slot, row, column});
    return protocol::build(protocol::Msg::Play, {seat}, groups);
}

}  // namespace hexaline::support
