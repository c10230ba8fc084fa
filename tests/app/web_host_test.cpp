// SPDX-License-Identifier: GPL-3.0-or-later
// Hosting from the window with the page for web browsers: only when asked for, its address
// in the chat log and the status line, and a browser seated at the window's own game.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "app/main_window.h"
#include "app/table_sessions.h"
#include "table/table_panel.h"
#include "web/web_client.h"
#include "web/web_server.h"
#include "windows/connect/host_dialog.h"
#include "windows/gamestart_form.h"

using namespace hexaline;

namespace {

constexpr int kTimeoutMs = 10000;

struct Player {
    explicit Player(const QString& ini)
        : window({.arguments = {}, .port = 0, .lobbyPort = 0}),
          gamestart(&window),
          sessions(window, gamestart) {
        sessions.setSettingsPath(ini);
        sessions.confirmLeave = [](int) { return true; };
        window.show();
    }
    bool chatSays(const QString& part) const {
        for (const QTextEdit* log : window.findChildren<QTextEdit*>())
            if (log->toPlainText().contains(part))
                return true;
        return false;
    }
    QString chatText() const {
        QString all;
        for (const QTextEdit* log : window.findChildren<QTextEdit*>())
            all += log->toPlainText();
        return all;
    }
    QString status() const {
        return window.tablePanel()->findChild<QLabel*>("label_status")->text();
    }

    app::MainWindow window;
    windows::GameStartForm gamestart;
    app::TableSessions sessions;
};

class WebHostTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString ini = dir.filePath("orviklobby.ini");
};

TEST_F(WebHostTest, TheHostDialogOffersThePageForBrowsersWhenTicked) {
    windows::HostDialog dialog;
    auto* box = dialog.findChild<QCheckBox*>("check_web");
    auto* port = dialog.findChild<QSpinBox*>("spin_webport");
    ASSERT_TRUE(box && port);
    EXPECT_EQ(box->text(), "Let friends join from a web browser");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(port->isEnabled());
    EXPECT_EQ(port->value(), 7773);
    EXPECT_EQ(dialog.webPort(), -1);
    box->setChecked(true);
    EXPECT_TRUE(port->isEnabled());
    EXPECT_EQ(dialog.webPort(), 7773);
}

TEST_F(WebHostTest, AHostedGameServesThePageOnlyWhenAskedAndSeatsABrowser) {
    Player ann(ini);  // a solo game serves nothing
    EXPECT_EQ(ann.sessions.webServer(), nullptr);
    ASSERT_TRUE(ann.sessions.hostGame("Ann", 0, false));
    EXPECT_EQ(ann.sessions.webServer(), nullptr);

    ASSERT_TRUE(ann.sessions.hostGame("Ann", 0, false, 0));
    web::WebServer* page = ann.sessions.webServer();
    ASSERT_NE(page, nullptr);
    const QString port = QString::number(page->port());
    EXPECT_TRUE(ann.chatSays("Friends can join from a web browser: http://"))
        << ann.chatText().toStdString();
    EXPECT_TRUE(ann.chatSays(":" + port + "/"));
    EXPECT_TRUE(ann.status().startsWith("Browsers join at http://")) << ann.status().toStdString();
    EXPECT_TRUE(ann.status().endsWith(":" + port + "/")) << ann.status().toStdString();

    QNetworkAccessManager network;
    std::unique_ptr<QNetworkReply> reply(
        network.get(QNetworkRequest(QUrl("http://127.0.0.1:" + port + "/"))));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    ASSERT_TRUE(finished.wait(kTimeoutMs));
    EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);

    support::WebClient cid("Cid", "http://127.0.0.1:" + port);
    cid.open(page->port());
    ASSERT_TRUE(cid.waitSeated(kTimeoutMs));
    auto* seat2 = ann.window.tablePanel()->findChild<QLabel*>("label_playername2");
    ASSERT_NE(seat2, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return seat2->text() == "Cid"; }, kTimeoutMs));

    // Leaving the table stops the page too.
    ASSERT_TRUE(ann.sessions.hostGame("Ann", 0, false));
    EXPECT_EQ(ann.sessions.webServer(), nullptr);
    EXPECT_TRUE(cid.waitClosed(kTimeoutMs));
}

TEST_F(WebHostTest, APortInUseIsSaidAndTheGameGoesOn) {
    QTcpServer busy;
    ASSERT_TRUE(busy.listen(QHostAddress::Any, 0));
    Player ann(ini);
    ASSERT_TRUE(ann.sessions.hostGame("Ann", 0, false, busy.serverPort()));
    EXPECT_EQ(ann.sessions.webServer(), nullptr);
    EXPECT_TRUE(ann.chatSays(QStringLiteral("cannot use port %1").arg(busy.serverPort())));
    EXPECT_TRUE(ann.window.ishost());
}

}  // namespace
