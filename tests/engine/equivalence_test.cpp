// SPDX-License-Identifier: GPL-3.0-or-later
// The fast move search against the literal one, on positions from thousands of turns.
#include "engine/players/normal.h"
#include "engine_fixture.h"
#include "support/reference_search.h"

namespace hexaline::engine::testing {
namespace {

TEST(SearchEquivalence, FastChoiceAndMoveCheckMatchTheLiteralSearch) {
    Random random(2024);
    int positions = 0;
    for (int game = 0; game < 12; ++game) {
        VirtualOutlet outlet;
        outlet.keep = false;
        Host host(outlet, random);
        outlet.attach(host);
        for (int seat = 1; seat <= 4; ++seat)
            host.takeseat(4);
        host.release(2);
        host.startgame("t", "60", "30");
        for (int seat : {1, 3, 4}) {
            host.watch(seat, true);
            host.turnseatleft(seat);
        }
        Board seen{};
        while (host.gameon && outlet.step()) {
            if (host.firstplay == 1 || host.board == seen)
                continue;
            seen = host.board;
            for (int seat = 1; seat <= kMaxPlayers; ++seat) {
                const std::string fast = NormalPlayer::computerchoice(
                    host.board, host.seats[seat].hand, seat, host.botplacement);
                const Placements fastSquares = host.botplacement;
                ASSERT_EQ(fast, support::computerchoiceLiteral(host, seat)) << "game " << game;
                for (int slot = 1; slot <= kHandSlots; ++slot) {
                    ASSERT_EQ(fastSquares[slot].row, host.botplacement[slot].row);
                    ASSERT_EQ(fastSquares[slot].column, host.botplacement[slot].column);
                }
                ASSERT_EQ(host.checkformove(seat), support::checkformoveLiteral(host, seat));
                ++positions;
            }
        }
        ASSERT_TRUE(outlet.alerts.empty()) << outlet.alerts.front();
    }
    EXPECT_GT(positions, 2000);
}

}  // namespace
}  // namespace hexaline::engine::testing
