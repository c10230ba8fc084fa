// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's command line: what it plays, and every wrong line gives the usage.
#include <gtest/gtest.h>

#include "sim_options.h"

namespace hexaline::sim {
namespace {

using Action = SimCommand::Action;

SimCommand parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("hexaline-sim"));
    return parseSimCommand(arguments);
}

TEST(SimOptions, ReadsWhatToPlay) {
    const SimCommand all =
        parse({"--games", "200", "--seed", "7", "--seats", "4", "--playto", "50"});
    ASSERT_EQ(all.action, Action::Play);
    EXPECT_EQ(all.options.games, 200);
    EXPECT_EQ(all.options.seed, 7u);
    EXPECT_EQ(all.options.seats, 4);
    EXPECT_EQ(all.options.playto, 50);

    const SimCommand levels = parse({"--levels", "strong,best,normal", "--games", "3"});
    ASSERT_EQ(levels.action, Action::Play);
    EXPECT_EQ(levels.options.seats, 3);
    EXPECT_EQ(levels.options.levels,
              (std::vector{engine::BotLevel::Strong, engine::BotLevel::Best,
                           engine::BotLevel::Normal}));
    EXPECT_EQ(parse({"--games", "1", "--games", "2"}).options.games, 2);
}

TEST(SimOptions, WrongLinesGiveTheUsage) {
    for (const QStringList& bad :
         {QStringList{}, QStringList{"--games"}, QStringList{"--games", "-1"},
          QStringList{"--games", "x"}, QStringList{"--games", "1", "--seats", "5"},
          QStringList{"--games", "1", "--bogus", "2"}, QStringList{"--games", "1", "--"},
          QStringList{"--games", "1", "extra"}, QStringList{"-g", "1"}, QStringList{"--games=1"},
          QStringList{"--games", "1", "--levels", "normal"},
          QStringList{"--games", "1", "--levels", "normal,hard"},
          QStringList{"--games", "1", "--seats", "3", "--levels", "normal,best"}}) {
        EXPECT_EQ(parse(bad).action, Action::Usage) << bad.join(' ').toStdString();
    }
}

TEST(SimOptions, HelpAndVersionAnswerInTheOrderGiven) {
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"--games", "1", "--version", "--help"}).action, Action::Version);
    EXPECT_EQ(parse({"--help", "--version"}).action, Action::Help);
    EXPECT_EQ(parse({"--help", "--bogus", "x"}).action, Action::Help);
    EXPECT_EQ(parse({"--games", "x", "--help"}).action, Action::Usage);
    EXPECT_EQ(parse({"--bogus", "--help"}).action, Action::Usage);
    EXPECT_EQ(parse({"--seed", "--help"}).action, Action::Usage);
}

}  // namespace
}  // namespace hexaline::sim
