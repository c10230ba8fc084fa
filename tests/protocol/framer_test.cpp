// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting a connection's bytes into messages.
#include <gtest/gtest.h>

#include "protocol/framer.h"
#include "protocol/message_table.h"

using namespace hexaline::protocol;

namespace {
const std::string T(1, kTerminator);
}

TEST(Framer, CutsAtEveryTerminatorAndKeepsTheRemainder) {
    Framer f;
    std::vector<std::string> out;
    EXPECT_TRUE(f.feed("CMD_a+1" + T + "CMD_b+2" + T + "CMD_c", out));
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_a+1", "CMD_b+2"}));
    EXPECT_EQ(f.pending(), 5u);
    out.clear();
    EXPECT_TRUE(f.feed("+3" + T, out));  // the rest of a message cut between two reads
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_c+3"}));
    EXPECT_EQ(f.pending(), 0u);
}

TEST(Framer, TwoTerminatorsInARowGiveAnEmptyMessage) {
    Framer f;
    std::vector<std::string> out;
    EXPECT_TRUE(f.feed("CMD_logininfo+1+1.0.1+Ann" + T + T, out));
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_logininfo+1+1.0.1+Ann", ""}));
}

TEST(Framer, ByteAtATimeGivesTheSameMessages) {
    const std::string stream = "CMD_x+1" + T + "CMD_y+" + T + T + "CMD_z+9+9" + T;
    Framer f;
    std::vector<std::string> out;
    for (char c : stream)
        EXPECT_TRUE(f.feed(std::string_view(&c, 1), out));
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_x+1", "CMD_y+", "", "CMD_z+9+9"}));
}

TEST(Framer, AnOverlongRemainderIsRefused) {
    Framer f;
    std::vector<std::string> out;
    const std::string chunk(Framer::kMaxRemainder, 'a');
    EXPECT_TRUE(f.feed(chunk, out));
    EXPECT_FALSE(f.feed("b", out));
    EXPECT_TRUE(out.empty());

    Framer g;  // a long stream of whole messages is fine
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(g.feed(std::string(2000, 'm') + T, out));
    EXPECT_EQ(out.size(), 100u);
}
