// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/players/player.h"

#include "engine/players/best.h"
#include "engine/players/normal.h"
#include "engine/players/strong.h"

namespace hexaline::engine {

std::string_view botlevelname(BotLevel level) {
    switch (level) {
        case BotLevel::Strong:
            return "strong";
        case BotLevel::Best:
            return "best";
        case BotLevel::Normal:
            break;
    }
    return "normal";
}

std::optional<BotLevel> parsebotlevel(std::string_view name) {
    for (BotLevel level : {BotLevel::Normal, BotLevel::Strong, BotLevel::Best}) {
        if (botlevelname(level) == name)
            return level;
    }
    return std::nullopt;
}

std::unique_ptr<Player> makeplayer(BotLevel level) {
    switch (level) {
        case BotLevel::Strong:
            return std::make_unique<StrongPlayer>();
        case BotLevel::Best:
            return std::make_unique<BestScorePlayer>();
        case BotLevel::Normal:
            break;
    }
    return std::make_unique<NormalPlayer>();
}

std::string playtext(int seat, const Placements& placements) {
    std::string text = std::to_string(seat);
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const Placement p = placements[slot];
        if (p.row == 0)
            continue;
        for (int v : {slot, p.row, p.column}) {
            text += '+';
            text += std::to_string(v);
        }
    }
    return text;
}

}  // namespace hexaline::engine
