// SPDX-License-Identifier: GPL-3.0-or-later
// Tiles, the random draw, the bag, dealing and the board.
#include <algorithm>

#include "engine_fixture.h"

namespace hexaline::engine::testing {
namespace {

TEST(Tiles, ColourAndShapeOfEveryCode) {
    for (int code = 1; code <= kTileCount; ++code) {
        EXPECT_EQ(getshape(code), (code - 1) % 36 / 6 + 1) << code;
        EXPECT_EQ(getshape(code), getshape((code - 1) % 36 + 1)) << code;
        EXPECT_EQ(colourof(code), colourof((code - 1) % 36 + 1)) << code;
    }
    for (int code : {36, 72, 108}) {
        EXPECT_EQ(getshape(code), Bubbles);
        EXPECT_EQ(colourof(code), 0);
    }
    for (int code = 31; code <= 35; ++code) {
        EXPECT_EQ(getshape(code), Bubbles);
        EXPECT_EQ(colourof(code), code - 30);
    }
    EXPECT_EQ(tile(Red, Heart), 22);
    EXPECT_EQ(tile(Yellow, Peace), 26);
}

TEST(Tiles, RandomDrawTakesTheHighHalfOfTheProduct) {
    Random r(0);
    EXPECT_EQ(r.next(108), 0u);  // seed 1: 108 >> 32
    EXPECT_EQ(r.seed(), 1u);
    EXPECT_EQ(r.next(1u << 31), (134775814ull << 31) >> 32);
    Random wraps(0xFFFFFFFFu);
    wraps.next(10);
    EXPECT_EQ(wraps.seed(), static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
    EXPECT_EQ(Random::seedFromTimeOfDay(1, 2, 3, 4), 3723004u);
}

TEST_F(EngineTest, ShuffleHoldsEveryCodeOnceAndDrawsPastTheEndGiveNothing) {
    host.shuffletiles();
    std::vector<int> codes(host.bag.begin() + 1, host.bag.end());
    std::sort(codes.begin(), codes.end());
    for (int i = 0; i < kTileCount; ++i)
        ASSERT_EQ(codes[i], i + 1);
    EXPECT_EQ(host.drawn, 0);
    EXPECT_EQ(host.gettile(), host.bag[1]);
    for (int i = 2; i <= kTileCount; ++i)
        host.gettile();
    EXPECT_EQ(host.tilesleft(), 0);
    EXPECT_EQ(host.gettile(), 0);
    EXPECT_EQ(host.gettile(), 0);
    EXPECT_EQ(host.drawn, 110);
    EXPECT_EQ(host.tilesleft(), 0);
}

TEST_F(EngineTest, DealFillsEmptySlotsAndTellsOnlyWhatWasDealt) {
    connect(1);
    connect(3);
    host.shuffletiles();
    hand(3, {5, 0, 7, 0, 9, 10});
    host.dealtiles(3);
    EXPECT_EQ(host.seats[3].hand[2], host.bag[1]);
    EXPECT_EQ(host.seats[3].hand[4], host.bag[2]);
    ASSERT_EQ(to(3).size(), 1u);
    EXPECT_EQ(last(3), "CMD_mytiles+3+2+" + std::to_string(host.bag[1]) + "+4+" +
                           std::to_string(host.bag[2]));
    EXPECT_TRUE(to(1).empty());

    host.dealtiles(3);  // full hand: nothing drawn, nothing sent
    EXPECT_EQ(host.drawn, 2);
    EXPECT_EQ(to(3).size(), 1u);

    // The bag runs dry part way: only the slots filled are told.
    host.drawn = kTileCount - 1;
    hand(3, {0, 5, 0, 7, 0, 9});
    host.dealtiles(3);
    EXPECT_EQ(last(3), "CMD_mytiles+3+1+" + std::to_string(host.bag[kTileCount]));
    EXPECT_EQ(host.seats[3].hand[3], 0);
    EXPECT_EQ(host.seats[3].hand[5], 0);

    // A seat without a client gets its tiles and no message.
    hand(2, {});
    host.drawn = 0;
    host.dealtiles(2);
    EXPECT_NE(host.seats[2].hand[6], 0);
    EXPECT_TRUE(to(2).empty());
}

TEST_F(EngineTest, ClearBoardSetsTheFrame) {
    put(5, 5, 7);
    host.board[3][3].proposed = 9;
    host.clearboard();
    for (int r = 0; r < kBoardSize; ++r) {
        for (int c = 0; c < kBoardSize; ++c) {
            const bool frame = r == 0 || c == 0 || r == 13 || c == 13;
            EXPECT_EQ(host.board[r][c].committed, frame ? kFrame : 0);
            EXPECT_EQ(host.board[r][c].proposed, frame ? kFrame : 0);
        }
    }
    EXPECT_TRUE(host.boardempty());
}

}  // namespace
}  // namespace hexaline::engine::testing
