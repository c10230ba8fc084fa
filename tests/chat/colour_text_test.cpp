// SPDX-License-Identifier: GPL-3.0-or-later
// Colour text: the 42 names, the "$" form and numbers, and text that is no colour.
#include <gtest/gtest.h>

#include "chat/colour_text.h"

namespace hexaline::chat {
namespace {

TEST(ColourText, EveryNameReadsAndWritesBack) {
    for (int i = 0; i < kColourNames; ++i) {
        const std::string name(colourName(i));
        ASSERT_EQ(readColourText(name), colourNameValue(i)) << name;
        EXPECT_EQ(colourText(colourNameValue(i)), name);
    }
    EXPECT_EQ(colourText(kRed), "clRed");
    EXPECT_EQ(colourText(kBlue), "clBlue");
    EXPECT_EQ(readColourText("clRed"), 255u);
    EXPECT_EQ(readColourText("clBlue"), 16711680u);
    EXPECT_EQ(readColourText("clWindowText"), 0x80000008u);
    EXPECT_EQ(readColourText("clNone"), 0x1FFFFFFFu);
    EXPECT_EQ(colourText(0x80000018), "clInfoBk");
}

TEST(ColourText, NamesIgnoreCaseAndNumbersRead) {
    EXPECT_EQ(readColourText("clblack"), 0u);
    EXPECT_EQ(readColourText("CLGREEN"), colourValue(0, 128, 0));
    EXPECT_EQ(readColourText("$0000FF"), kRed);
    EXPECT_EQ(readColourText("$ff0000"), kBlue);
    EXPECT_EQ(readColourText("255"), kRed);
    EXPECT_EQ(readColourText("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(colourText(0xFFFFFFFFu), "$FFFFFFFF");
    // A value without a name is written in eight upper-case digits and reads back.
    const std::uint32_t odd = colourValue(18, 52, 171);
    EXPECT_EQ(colourText(odd), "$00AB3412");
    EXPECT_EQ(readColourText(colourText(odd)), odd);
}

TEST(ColourText, TextThatIsNoColourGivesNothing) {
    for (const char* text : {"", "$", "$123456789", "$12G4", "clGreenish", "12a", " 255", "255 ",
                             "+5", "4294967296", "2147483648", "-2147483649", "cl", "--1"}) {
        EXPECT_FALSE(readColourText(text).has_value()) << '"' << text << '"';
    }
    EXPECT_EQ(readColourText("2147483647"), 0x7FFFFFFFu);
    EXPECT_EQ(readColourText("-2147483648"), 0x80000000u);
}

}  // namespace
}  // namespace hexaline::chat
