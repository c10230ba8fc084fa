// SPDX-License-Identifier: GPL-3.0-or-later
// The headless host's command line: the computer's level.
#include <gtest/gtest.h>

#include "host_options.h"

namespace hexaline::tools {
namespace {

HostOptions parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("hexaline-host"));
    return parseHostOptions(arguments);
}

TEST(HostOptions, BotLevelNamesTheComputersLevel) {
    EXPECT_EQ(parse({}).botLevel, engine::BotLevel::Normal);
    EXPECT_EQ(parse({"--bot-level", "strong"}).botLevel, engine::BotLevel::Strong);
    EXPECT_EQ(parse({"--bot-level", "best", "--port", "0"}).botLevel, engine::BotLevel::Best);
    const HostOptions both = parse({"--bot-speed", "5", "--bot-level", "normal"});
    EXPECT_EQ(both.botLevel, engine::BotLevel::Normal);
    EXPECT_EQ(both.botSpeedMs, 5);
    EXPECT_TRUE(both.error.isEmpty());
    for (const QStringList& bad : {QStringList{"--bot-level"}, QStringList{"--bot-level", "hard"},
                                   QStringList{"--bot-level", "Strong"}}) {
        EXPECT_FALSE(parse(bad).error.isEmpty()) << bad.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace hexaline::tools
