// SPDX-License-Identifier: GPL-3.0-or-later
// The message table: every message builds and reads back through its own layout.
#include <gtest/gtest.h>

#include <set>

#include "protocol/builder.h"
#include "protocol/message_table.h"
#include "protocol/reader.h"

using namespace hexaline::protocol;

namespace {

// Strips the terminator(s) and the command word: what a handler gets.
std::string argsOf(const std::string& wire) {
    std::string text = wire;
    while (!text.empty() && text.back() == kTerminator)
        text.pop_back();
    auto command = splitCommand(text);
    EXPECT_TRUE(command.has_value()) << text;
    return command ? std::string(command->args) : std::string();
}

std::string sample(Field kind, int n) {
    switch (kind) {
        case Field::Number:
            return std::to_string(n * 7 - 3);
        case Field::Text:
            return "t" + std::to_string(n);
        case Field::Rest:
            return "rest with + and | signs " + std::to_string(n);
    }
    return {};
}

Values sampleValues(std::span<const Field> layout, int base) {
    Values values;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const int n = base + static_cast<int>(i);
        if (layout[i] == Field::Number) {
            values.emplace_back(n * 7 - 3);
        } else {
            values.emplace_back(sample(layout[i], n));
        }
    }
    return values;
}

}  // namespace

TEST(MessageTable, HasBothCataloguesWithDistinctWordsPerDirection) {
    int toHost = 0;
    int toClient = 0;
    std::set<std::pair<Direction, std::string_view>> seen;
    for (const MessageLayout& m : messageTable()) {
        EXPECT_TRUE(m.word.starts_with("CMD_")) << m.word;
        for (char c : m.word.substr(4))
            EXPECT_TRUE(c >= 'a' && c <= 'z') << m.word;
        EXPECT_TRUE(seen.insert({m.direction, m.word}).second) << "duplicate " << m.word;
        if (!m.sentByHost)
            continue;
        (m.direction == Direction::ToHost ? toHost : toClient)++;
        // Rest may only stand last, and a list message has no Rest at all.
        for (std::size_t i = 0; i + 1 < m.head.size(); ++i)
            EXPECT_NE(m.head[i], Field::Rest);
        if (!m.group.empty()) {
            for (Field f : m.head)
                EXPECT_NE(f, Field::Rest) << m.word;
            for (Field f : m.group)
                EXPECT_NE(f, Field::Rest) << m.word;
        }
    }
    EXPECT_EQ(toHost, 9);
    EXPECT_EQ(toClient, 24);
}

TEST(MessageTable, EveryMessageBuildsAndReadsBack) {
    for (const MessageLayout& m : messageTable()) {
        const Values head = sampleValues(m.head, 1);
        std::vector<Values> groups;
        if (!m.group.empty()) {
            groups.push_back(sampleValues(m.group, 10));
            groups.push_back(sampleValues(m.group, 20));
        }
        const std::string wire = build(m.id, head, groups);
        ASSERT_EQ(wire.back(), kTerminator);
        EXPECT_EQ(wire.find(kTerminator),
                  wire.size() - (m.ending == Ending::DoubleTerminator ? 2 : 1))
            << m.word;

        const Decoded decoded = decode(m.id, argsOf(wire));
        ASSERT_EQ(decoded.head.size(), head.size()) << m.word;
        for (std::size_t i = 0; i < head.size(); ++i) {
            std::string expected = head[i].text();
            // A Rest field of a message that ends in "+" reads the "+" too.
            if (m.head[i] == Field::Rest && m.ending == Ending::Separator)
                expected += "+";
            EXPECT_EQ(decoded.head[i], expected) << m.word << " field " << i;
        }
        ASSERT_EQ(decoded.groups.size(), groups.size()) << m.word;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            for (std::size_t i = 0; i < groups[g].size(); ++i) {
                EXPECT_EQ(decoded.groups[g][i], groups[g][i].text()) << m.word;
            }
        }
    }
}

TEST(MessageTable, WireFormsOfTheCatalogue) {
    const std::string T(1, kTerminator);
    EXPECT_EQ(build(Msg::Full), "CMD_full+" + T);
    EXPECT_EQ(build(Msg::TimesUp), "CMD_timesup+" + T);
    EXPECT_EQ(build(Msg::StartGame, {"Ann", "500", "60"}), "CMD_startgame+Ann+500+60+" + T);
    EXPECT_EQ(build(Msg::Login, {3, std::string(kVersion), "Bob"}),
              "CMD_logininfo+3+1.0.1+Bob" + T + T);
    EXPECT_EQ(build(Msg::Play, {1}, {{2, 5, 7}, {4, 5, 8}}), "CMD_myturn+1+2+5+7+4+5+8" + T);
    EXPECT_EQ(build(Msg::Pass, {2}), "CMD_ipass+2+" + T);
    EXPECT_EQ(build(Msg::Sound, {1, "wave3"}), "CMD_playasound+1+wave3+" + T);
    EXPECT_EQ(build(Msg::NewPlayerInfo, {}, {{3, "Ann", "0"}}), "CMD_newplayerinfo+3+Ann+0" + T);
    EXPECT_EQ(build(Msg::NextPlayer, {2, "t", 0}), "CMD_nextplayer+2+t+0+" + T);
    EXPECT_EQ(build(Msg::Error, {2, 3}), "CMD_error+2+3+" + T);
    EXPECT_EQ(build(Msg::HisPlay, {1, 12, 5, 0}, {{2, 16, 6, 8}}),
              "CMD_hisplay+1+12+5+0+2+16+6+8" + T);
    EXPECT_EQ(build(Msg::ChatRelay, {1, "Ann chats: a+b|clBlack"}),
              "CMD_chat+1+Ann chats: a+b|clBlack" + T);
    EXPECT_EQ(build(Msg::Kick, {1, 3}), "CMD_kickhim+1+3+" + T);
}

TEST(MessageTable, RefusesFieldsThatWouldShiftOrCutTheMessage) {
    EXPECT_THROW(build(Msg::NewPlayerInfo, {}, {{3, "A+nn", "0"}}), BuildError);
    EXPECT_THROW(build(Msg::Winner, {std::string("x") + kTerminator}), BuildError);
    EXPECT_THROW(build(Msg::ChatRelay, {1, std::string("x") + kTerminator}), BuildError);
    EXPECT_THROW(build(Msg::Error, {2}), BuildError);                 // a field missing
    EXPECT_THROW(build(Msg::Error, {"two", 3}), BuildError);          // text where a number goes
    EXPECT_THROW(build(Msg::Full, {}, {{1}}), BuildError);            // not a list message
    EXPECT_THROW(build(Msg::MyTiles, {1}, {{1, 2, 3}}), BuildError);  // entry of the wrong size
}

TEST(MessageTable, LookupIsExactAndPerDirection) {
    EXPECT_EQ(lookup(Direction::ToHost, "CMD_chat"), Msg::Chat);
    EXPECT_EQ(lookup(Direction::ToClient, "CMD_chat"), Msg::ChatRelay);
    EXPECT_EQ(lookup(Direction::ToClient, "CMD_roundstart"), Msg::RoundStart);
    EXPECT_EQ(lookup(Direction::ToHost, "CMD_roundstart"), std::nullopt);
    EXPECT_EQ(lookup(Direction::ToClient, "CMD_Chat"), std::nullopt);
    EXPECT_EQ(lookup(Direction::ToClient, "CMD_chat "), std::nullopt);
    EXPECT_EQ(lookup(Direction::ToHost, "CMD_nextplayer"), std::nullopt);
}
