// SPDX-License-Identifier: GPL-3.0-or-later
// From the command line to a launch mode: options out, positional arguments as they came.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/launch_mode.h"

using namespace hexaline::app;

TEST(LaunchMode, NoArgumentsIsSoloAsYouAtTheLocalMachine) {
    const LaunchPlan plan = decideLaunch({});
    EXPECT_EQ(plan.mode, LaunchMode::Solo);
    EXPECT_EQ(plan.playername, "You");
    EXPECT_EQ(plan.hostaddress, "127.0.0.1");
    EXPECT_EQ(plan.chatLine, "0+Loading Solo Game. Please wait.");
    EXPECT_FALSE(plan.lobbyLink);
}

TEST(LaunchMode, OneOrTwoArgumentsOnlyWait) {
    for (const QStringList& args : {QStringList{"Ann"}, QStringList{"Ann", "10.0.0.5"}}) {
        const LaunchPlan plan = decideLaunch(args);
        EXPECT_EQ(plan.mode, LaunchMode::Waiting);
        EXPECT_EQ(plan.chatLine, "0+Loading Multi-player Game. Please wait.");
        EXPECT_TRUE(plan.playername.isEmpty());
        EXPECT_FALSE(plan.lobbyLink);
    }
}

TEST(LaunchMode, OnlyExactlyTrueHosts) {
    const LaunchPlan host = decideLaunch({"Ann", "10.0.0.5", "true", "ignored"});
    EXPECT_EQ(host.mode, LaunchMode::Host);
    EXPECT_EQ(host.playername, "Ann");
    EXPECT_EQ(host.hostaddress, "10.0.0.5");
    EXPECT_TRUE(host.lobbyLink);
    for (const char* third : {"True", "TRUE", "true ", "yes", "", "1"}) {
        const LaunchPlan join = decideLaunch({"Ann", "game.example", third});
        EXPECT_EQ(join.mode, LaunchMode::Join) << third;
        EXPECT_EQ(join.hostaddress, "game.example");
        EXPECT_TRUE(join.lobbyLink);
    }
}

TEST(CommandLine, OptionsAreTakenOutAndPositionalsKeepTheirOrder) {
    const CommandLine line =
        parseCommandLine({"--port", "4000", "Ann", "--instance-dir=/tmp/x", "-dash", "true"});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_EQ(line.port, 4000);
    EXPECT_EQ(line.instanceDir, "/tmp/x");
    EXPECT_EQ(line.positional, (QStringList{"Ann", "-dash", "true"}));

    const CommandLine after = parseCommandLine({"--port=0", "--", "--help", "x"});
    EXPECT_EQ(after.port, 0);
    EXPECT_FALSE(after.help);
    EXPECT_EQ(after.positional, (QStringList{"--help", "x"}));

    EXPECT_EQ(parseCommandLine({}).port, 7772);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(parseCommandLine({"--version"}).version);
    EXPECT_TRUE(parseCommandLine({"Ann", "-h"}).help);
    EXPECT_EQ(parseCommandLine({"--port", "-5"}).error, "--port needs a number from 0 to 65535");
    EXPECT_EQ(parseCommandLine({"x", "--prot"}).error, "unknown option --prot");
}

TEST(CommandLine, BadOptionsAreErrors) {
    for (const QStringList& args :
         {QStringList{"--port"}, QStringList{"--port", "70000"}, QStringList{"--port=x"},
          QStringList{"--instance-dir"}, QStringList{"--prot", "1"}, QStringList{"--help=1"},
          QStringList{"--instance-dir="}, QStringList{"--h"}}) {
        EXPECT_FALSE(parseCommandLine(args).error.isEmpty()) << args.join(' ').toStdString();
    }
}
