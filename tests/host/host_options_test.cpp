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

}  // namespace
}  // namespace hexaline::tools
