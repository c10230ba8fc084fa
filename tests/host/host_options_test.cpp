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

TEST(HostOptions, PerAddressBoundsConnectionsOfOneAddress) {
    EXPECT_EQ(parse({}).perAddress, 4);
    EXPECT_EQ(parse({"--per-address", "0"}).perAddress, 0);
    EXPECT_EQ(parse({"--per-address", "9", "--port", "0"}).perAddress, 9);
    for (const QStringList& bad : {QStringList{"--per-address"}, QStringList{"--per-address", "-1"},
                                   QStringList{"--per-address", "many"}}) {
        EXPECT_FALSE(parse(bad).error.isEmpty()) << bad.join(' ').toStdString();
    }
    EXPECT_TRUE(hostUsage().contains("--per-address N"));
}

TEST(HostOptions, WebServesOnlyWhenAskedAndTlsNeedsBothFiles) {
    EXPECT_EQ(parse({}).webPort, -1);
    EXPECT_EQ(parse({"--web", "7773"}).webPort, 7773);
    EXPECT_EQ(parse({"--web", "0", "--port", "0"}).webPort, 0);
    const HostOptions tls = parse({"--web", "8443", "--web-cert", "c.pem", "--web-key", "k.pem"});
    EXPECT_TRUE(tls.error.isEmpty()) << tls.error.toStdString();
    EXPECT_EQ(tls.webCert, "c.pem");
    EXPECT_EQ(tls.webKey, "k.pem");
    for (const QStringList& bad :
         {QStringList{"--web"}, QStringList{"--web", "65536"}, QStringList{"--web", "-1"},
          QStringList{"--web", "80", "--web-cert", "c.pem"},
          QStringList{"--web-cert", "c.pem", "--web-key", "k.pem"},
          QStringList{"--web", "80", "--web-key"}}) {
        EXPECT_FALSE(parse(bad).error.isEmpty()) << bad.join(' ').toStdString();
    }
}

// The first wrong word is reported as typed; only whole option names are options.
TEST(HostOptions, WrongWordsAndMissingValuesAreReportedAsTyped) {
    const struct {
        QStringList line;
        const char* error;
    } cases[] = {
        {{"--port=5"}, "unknown argument: --port=5"},
        {{"-hx"}, "unknown argument: -hx"},
        {{"--h"}, "unknown argument: --h"},
        {{"--"}, "unknown argument: --"},
        {{"--announce", "game"}, "unknown argument: game"},
        {{"--port"}, "--port needs a number from 0 to 65535"},
        {{"--port", "x", "--bogus"}, "unknown argument: --bogus"},
        {{"--bot-speed", "0"}, "--bot-speed needs a number from 1 to 600000"},
        {{"--web-cert", ""}, "--web-cert needs a file"},
        {{"--bot-level", "--port"}, "--bot-level needs normal, strong or best"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse(c.line).error, QString::fromLatin1(c.error))
            << c.line.join(' ').toStdString();

    const HostOptions fine = parse({"-h", "--announce", "--port", "0", "--port", "9", "--version"});
    EXPECT_TRUE(fine.error.isEmpty()) << fine.error.toStdString();
    EXPECT_TRUE(fine.help && fine.announce && fine.version);
    EXPECT_EQ(fine.port, 9);  // the last one given
    EXPECT_EQ(parse({"--per-address", "-1"}).error, "--per-address needs a number from 0 to 1000");
}

}  // namespace
}  // namespace hexaline::tools
