// SPDX-License-Identifier: GPL-3.0-or-later
// Peers that connect, log in, send a burst of chat and leave, over and over, never close the
// hosting window: its own client falls behind at worst, and catches up.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "app/table_sessions.h"
#include "protocol/builder.h"
#include "support/free_port.h"
#include "support/raw_client.h"
#include "text/settings/settings_location.h"
#include "transport/client_link.h"
#include "windows/gamestart_form.h"

using namespace hexaline;
using protocol::Msg;
using support::RawClient;

TEST(Churn, BurstingPeersThatComeAndGoLeaveTheHostingWindowOpen) {
    QTemporaryDir dir;
    settings::setSettingsFilePath(dir.filePath("orviklobby.ini"));
    app::MainWindow window({.arguments = {}, .port = 0, .lobbyPort = 0});
    windows::GameStartForm gamestart(&window);
    app::TableSessions sessions(window, gamestart);
    sessions.setSettingsPath(dir.filePath("orviklobby.ini"));
    window.show();
    const quint16 port = support::freeTcpPort();
    ASSERT_TRUE(sessions.hostGame("Ann", port, false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.sock().isConnected(); }, 10000));
    QSignalSpy closed(&window, &app::MainWindow::closed);

    constexpr int kPeers = 8;
    constexpr int kRounds = 3;
    int bursts = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::unique_ptr<RawClient>> peers;
        for (int i = 0; i < kPeers; ++i) {
            peers.push_back(std::make_unique<RawClient>("Churn" + std::to_string(i)));
            peers.back()->connectTo(port);
        }
        std::string burst;
        for (auto& peer : peers) {
            // A seat left by the round before may not be free yet: such a peer is turned away.
            if (!peer->waitSeated(1500))
                continue;
            ++bursts;
            burst.clear();
            for (int n = 0; n < 30; ++n)
                burst += protocol::build(Msg::Chat, {peer->seat(), "spam " + std::to_string(n)});
            peer->sendRaw(burst);
        }
        for (auto& peer : peers)
            peer->drop();
    }
    EXPECT_GE(bursts, kRounds * 2);
    // The window works its backlog off and is still connected to its own host.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.sock().queue().empty(); }, 20000));
    QTest::qWait(200);
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.sock().isConnected());
    settings::setSettingsFilePath(QString());
}
