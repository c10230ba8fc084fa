// SPDX-License-Identifier: GPL-3.0-or-later
// The host and join dialogs' fields, what they remember in the settings file, and the found
// games list kept live from a listener.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUdpSocket>

#include "transport/discovery_listener.h"
#include "windows/connect/connect_settings.h"
#include "windows/connect/host_dialog.h"
#include "windows/connect/join_dialog.h"

using namespace hexaline;
using namespace hexaline::windows;

namespace {

TEST(ConnectSettings, RecentAddressesStayFewAndUniqueAndBadValuesFallBack) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("orviklobby.ini");
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[agame]\nTextSize=10\n[HEXALINE]\nport=99999\nrecent1=a\nrecent2=a\n");
    }
    ConnectSettings s = loadConnectSettings(ini);
    EXPECT_EQ(s.port, 7772);                // out of range
    EXPECT_EQ(s.recent, QStringList{"a"});  // repeated once only
    for (const char* address : {"b", "c", " a ", "d", "e", "f", "", "c"})
        s.remember(address);
    EXPECT_EQ(s.recent, (QStringList{"c", "f", "e", "d", "a"}));
    s.name = "Zoë";
    s.port = 7000;
    s.joinPort = 22999;
    ASSERT_TRUE(saveConnectSettings(ini, s));
    const ConnectSettings again = loadConnectSettings(ini);
    EXPECT_EQ(again.name, "Zoë");
    EXPECT_EQ(again.port, 7000);
    EXPECT_EQ(again.joinPort, 22999);  // kept apart from the host's port
    EXPECT_EQ(again.recent, s.recent);
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("[agame]\nTextSize=10\n[HEXALINE]\n"));
}

TEST(ConnectDialogs, NamesAndAddressesAreCleanedAndFoundGamesListedLive) {
    EXPECT_EQ(cleanPlayerName("  Ann+Bob "), "Ann Bob");  // "+" separates message fields
    EXPECT_EQ(cleanAddress(" [::1] "), "::1");
    EXPECT_EQ(cleanAddress("fe80::1"), "fe80::1");

    HostDialog host;
    EXPECT_TRUE(host.announce());
    EXPECT_EQ(host.port(), 7772);

    transport::DiscoveryListener games;
    ASSERT_TRUE(games.listen(0, true));
    JoinDialog join(&games);
    join.setRecentAddresses({"10.0.0.2", "example.lan"});
    EXPECT_EQ(join.address(), "10.0.0.2");
    transport::Announcement a;
    a.name = "Ann";
    a.port = 7001;
    a.version = "1.0.1";
    QUdpSocket sender;
    sender.writeDatagram(transport::writeAnnouncement(a), QHostAddress::LocalHost, games.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return join.foundGames()->topLevelItemCount() == 1; }, 5000));
    // One column each for the host, the seats taken, the state, the address and port; they fit
    // the dialog without a sideways scroll.
    QTreeWidgetItem* item = join.foundGames()->topLevelItem(0);
    EXPECT_EQ(item->text(0), "Ann");
    EXPECT_EQ(item->text(1), "0 of 4");
    EXPECT_EQ(item->text(2), "Waiting to start");
    EXPECT_EQ(item->text(3), "127.0.0.1:7001");
    join.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&join));
    EXPECT_FALSE(join.foundGames()->horizontalScrollBar()->isVisible());
    int widths = 0;
    for (int column = 0; column < 4; ++column)
        widths += join.foundGames()->columnWidth(column);
    EXPECT_LE(widths, join.foundGames()->viewport()->width());
    // A click fills the address and port in.
    QTest::mouseClick(join.foundGames()->viewport(), Qt::LeftButton, {},
                      join.foundGames()->visualItemRect(item).center());
    EXPECT_EQ(join.address(), "127.0.0.1");
    EXPECT_EQ(join.port(), 7001);
    a.gone = true;
    sender.writeDatagram(transport::writeAnnouncement(a), QHostAddress::LocalHost, games.port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return join.foundGames()->topLevelItemCount() == 0; }, 5000));
}

// What the user types, ticks and turns is what the dialogs report, through every way in.
TEST(ConnectDialogs, TheDialogsReportWhatTheUserLeftInTheFields) {
    HostDialog host;
    QTest::keyClicks(host.findChild<QLineEdit*>("edit_name"), " Ann+Bob ");
    host.findChild<QCheckBox*>("check_announce")->setChecked(false);
    EXPECT_EQ(host.webPort(), -1);
    host.findChild<QCheckBox*>("check_web")->setChecked(true);
    EXPECT_TRUE(host.findChild<QSpinBox*>("spin_webport")->isEnabled());
    host.findChild<QSpinBox*>("spin_webport")->setValue(8080);
    host.setPort(7001);
    EXPECT_EQ(host.playerName(), "Ann Bob");
    EXPECT_FALSE(host.announce());
    EXPECT_EQ(host.webPort(), 8080);
    EXPECT_EQ(host.port(), 7001);

    JoinDialog join(nullptr);
    join.setRecentAddresses({"10.0.0.2", "example.lan"});
    auto* address = join.findChild<QComboBox*>("combo_address");
    address->setCurrentIndex(1);
    EXPECT_EQ(join.address(), "example.lan");
    address->lineEdit()->clear();
    QTest::keyClicks(address->lineEdit(), " [::1] ");
    EXPECT_EQ(join.address(), "::1");
    join.setRecentAddresses({});
    EXPECT_EQ(join.address(), "");
    join.findChild<QSpinBox*>("spin_port")->setValue(7100);
    join.setPlayerName("Cid");
    EXPECT_EQ(join.port(), 7100);
    EXPECT_EQ(join.playerName(), "Cid");
}

}  // namespace
