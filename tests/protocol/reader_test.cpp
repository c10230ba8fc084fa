// SPDX-License-Identifier: GPL-3.0-or-later
// Reading fields off the front of a message, lists with the "+@" marker, and numbers.
#include <gtest/gtest.h>

#include "protocol/reader.h"

using namespace hexaline::protocol;

TEST(Reader, TakesFieldsFrontToBackAndTheRestWhole) {
    Reader r(Msg::ChatRelay, "3+Ann chats: 1+1=2|clRed");
    EXPECT_EQ(r.number(), 3);
    EXPECT_EQ(r.rest(), "Ann chats: 1+1=2|clRed");
    EXPECT_EQ(r.remaining(), "");

    Reader last(Msg::JustWatching, "2+1");  // a last field without a closing "+"
    EXPECT_EQ(last.number(), 2);
    EXPECT_EQ(last.text(), "1");
}

TEST(Reader, ListsEndAtTheMarker) {
    Reader r(Msg::MyTiles, "3+2+14+5+108");
    EXPECT_EQ(r.number(), 3);
    std::vector<std::pair<int, int>> pairs;
    while (!r.atListEnd()) {
        const int slot = r.number();
        const int tile = r.number();
        pairs.emplace_back(slot, tile);
    }
    EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{2, 14}, {5, 108}}));

    Reader empty(Msg::LoadBoard, "4");
    EXPECT_EQ(empty.number(), 4);
    EXPECT_TRUE(empty.atListEnd());
}

TEST(Reader, ATruncatedListStopsWithAnErrorInsteadOfLooping) {
    Reader r(Msg::MyTiles, "3+2");
    EXPECT_EQ(r.number(), 3);
    EXPECT_FALSE(r.atListEnd());
    EXPECT_EQ(r.number(), 2);
    EXPECT_THROW(r.number(), FieldError);  // the marker is not a tile
    EXPECT_THROW(decode(Msg::MyTiles, "3+2+"), FieldError);
    EXPECT_THROW(decode(Msg::HisPlay, "1+2+3+0+1+5"), FieldError);
    EXPECT_THROW(decode(Msg::NewPlayerInfo, "2"), FieldError);         // the marker is not a name
    EXPECT_EQ(decode(Msg::NewPlayerInfo, "2+@+0").groups[0][1], "@");  // a name may be "@"
}

TEST(Reader, NumbersAreStrictDecimal32Bit) {
    EXPECT_EQ(parseNumber("0"), 0);
    EXPECT_EQ(parseNumber("-12"), -12);
    EXPECT_EQ(parseNumber("2147483647"), 2147483647);
    EXPECT_EQ(parseNumber("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", "-", "+5", " 5", "5 ", "12a", "0x10", "2147483648",
                            "99999999999999", "1.5", "\xFF"}) {
        EXPECT_EQ(parseNumber(bad), std::nullopt) << bad;
    }
    Reader r(Msg::Error, "abc+3+");
    EXPECT_THROW(r.number(), FieldError);
    Reader missing(Msg::Error, "");
    EXPECT_THROW(missing.number(), FieldError);
}

TEST(Reader, SplitsTheCommandWordAtTheFirstSeparator) {
    auto c = splitCommand("CMD_chat+1+a+b");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->word, "CMD_chat");
    EXPECT_EQ(c->args, "1+a+b");
    EXPECT_FALSE(splitCommand("CMD_full"));
    EXPECT_FALSE(splitCommand(""));
    auto bare = splitCommand("CMD_full+");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->word, "CMD_full");
    EXPECT_EQ(bare->args, "");
}
