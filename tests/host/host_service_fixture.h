// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host service on a free port of 127.0.0.1 with short seconds and a computer that moves at
// once, and raw protocol clients that join it.

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "engine/random.h"
#include "host/host_service.h"
#include "protocol/message_table.h"
#include "support/raw_client.h"

namespace hexaline::session {

class HostServiceFixture : public ::testing::Test {
  protected:
    explicit HostServiceFixture(std::uint32_t seed = 777) : random(seed) {}

    void SetUp() override {
        HostService::Options options;
        options.secondMs = 2;
        options.botSpeed = [] { return 1; };
        options.log = [this](const QString& line) { logs.push_back(line); };
        host = std::make_unique<HostService>(random, options);
        ASSERT_TRUE(host->listen(0));
    }

    // A client that took a seat and logged in: the login is answered with the newcomer's own
    // announcement.
    // `from`: the local address to connect from (127.0.0.2 stands for another machine).
    support::RawClient& join(const std::string& name, const QString& from = QString()) {
        clients.push_back(std::make_unique<support::RawClient>(name));
        support::RawClient& c = *clients.back();
        if (from.isEmpty()) {
            c.connectTo(host->port());
        } else {
            c.connectTo(host->port(), from);
        }
        EXPECT_TRUE(c.waitSeated());
        EXPECT_TRUE(support::waitFor([&] { return c.has(protocol::Msg::NewPlayerInfo); }));
        return c;
    }

    // A person arrives (or comes back) under a name from `from` and is seated and announced,
    // wherever the host puts it.
    support::RawClient& arrive(const std::string& name,
                               const QString& from = QStringLiteral("127.0.0.1")) {
        clients.push_back(std::make_unique<support::RawClient>(name));
        support::RawClient& c = *clients.back();
        c.connectTo(host->port(), from);
        EXPECT_TRUE(support::waitFor([&] {
            return c.seat() != 0 && host->session().game().seats[c.seat()].name == name &&
                   c.has(protocol::Msg::ExistingPlayers);
        }));
        return c;
    }

    std::vector<QString> logs;
    engine::Random random;
    std::unique_ptr<HostService> host;
    std::vector<std::unique_ptr<support::RawClient>> clients;
};

}  // namespace hexaline::session
