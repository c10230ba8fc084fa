// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A computer player: chooses the play for a seat whose turn it is. The host paces the moves
// and submits the chosen play like any other.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/players/seat_view.h"
#include "engine/tables.h"

namespace hexaline::engine {

// How well the computer plays. Normal lays the most tiles it can; Best-score lays a play with
// the highest score of the turn; Strong plays to win the game.
enum class BotLevel { Normal, Strong, Best };

// "normal", "strong" or "best".
std::string_view botlevelname(BotLevel level);
std::optional<BotLevel> parsebotlevel(std::string_view name);

class Player {
  public:
    virtual ~Player() = default;
    // The play text (seat, then "+" slot "+" row "+" column per tile, slots in order) for the
    // seat's turn now, or empty when it finds none. It sees only what the seat knows; nothing
    // is submitted.
    virtual std::string choose(const SeatView& view) = 0;
};

std::unique_ptr<Player> makeplayer(BotLevel level);

// The play text for the slots that have a square, in slot order.
std::string playtext(int seat, const Placements& placements);

}  // namespace hexaline::engine
