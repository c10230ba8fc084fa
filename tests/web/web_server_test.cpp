// SPDX-License-Identifier: GPL-3.0-or-later
// The host's web server over real sockets: the page and its headers, and browsers on the game
// socket playing beside TCP clients under the same limits.
#include <gtest/gtest.h>

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <memory>

#include "host/host_service_fixture.h"
#include "protocol/builder.h"
#include "support/raw_client.h"
#include "web/web_client.h"
#include "web/web_server.h"

using namespace hexaline;
using namespace hexaline::session;
using protocol::Msg;
using support::RawClient;
using support::waitFor;
using support::WebClient;

namespace {

class WebServerTest : public HostServiceFixture {
  protected:
    void SetUp() override {
        HostServiceFixture::SetUp();
        web = std::make_unique<web::WebServer>(host->link());
        web->setLog([this](const QString& line) { logs.push_back(line); });
        ASSERT_TRUE(web->listen(0));
        ownOrigin = QStringLiteral("http://127.0.0.1:%1").arg(web->port());
    }

    // A browser of the page, seated and announced.
    WebClient& browse(const std::string& name) {
        browsers.push_back(std::make_unique<WebClient>(name, ownOrigin));
        WebClient& b = *browsers.back();
        b.open(web->port());
        EXPECT_TRUE(b.waitSeated());
        EXPECT_TRUE(waitFor([&] { return b.has(Msg::NewPlayerInfo); }));
        return b;
    }

    struct Reply {
        int status = 0;
        QByteArray type, policy, body;
    };
    Reply get(const QString& path, const QByteArray& method = "GET") {
        QNetworkRequest request(
            QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(web->port()).arg(path)));
        std::unique_ptr<QNetworkReply> reply(
            method == "HEAD" ? network.head(request) : network.sendCustomRequest(request, method));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        EXPECT_TRUE(finished.wait(5000)) << method.constData() << " " << path.toStdString();
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                reply->rawHeader("Content-Type"), reply->rawHeader("Content-Security-Policy"),
                reply->readAll()};
    }

    bool logged(const QString& part) const {
        return std::any_of(logs.begin(), logs.end(),
                           [&](const QString& line) { return line.contains(part); });
    }

    std::unique_ptr<web::WebServer> web;
    QString ownOrigin;
    QNetworkAccessManager network;
    std::vector<std::unique_ptr<WebClient>> browsers;
};

bool says(const std::vector<std::string>& messages, const std::string& text) {
    return std::any_of(messages.begin(), messages.end(),
                       [&](const std::string& m) { return m.find(text) != std::string::npos; });
}

TEST_F(WebServerTest, ServesThePageAndItsFilesWithTheirTypesAndPolicy) {
    const Reply page = get("/");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.type, "text/html; charset=utf-8");
    EXPECT_TRUE(page.body.contains("<html"));
    const QByteArray socket = QStringLiteral("ws://127.0.0.1:%1").arg(web->port()).toLatin1();
    EXPECT_TRUE(page.policy.startsWith("default-src 'self'; connect-src 'self' " + socket + ";"))
        << page.policy.constData();

    const Reply table = get("/protocol.json");
    EXPECT_EQ(table.status, 200);
    EXPECT_EQ(table.type, "application/json");
    EXPECT_TRUE(table.body.contains("\"CMD_logininfo\""));
    const Reply tile = get("/tiles/red-heart@1x.png");
    EXPECT_EQ(tile.status, 200);
    EXPECT_EQ(tile.type, "image/png");
    EXPECT_TRUE(tile.body.startsWith("\x89PNG"));
    EXPECT_EQ(get("/sounds/turn.wav").type, "audio/wav");

    // No listing of folders, nothing outside the page's files, nothing but reading.
    for (const char* path :
         {"/nothing", "/tiles/", "/tiles", "/play.html", "/%2e%2e/CMakeLists.txt"}) {
        const Reply missing = get(QString::fromLatin1(path));
        EXPECT_EQ(missing.status, 404) << path;
        EXPECT_FALSE(missing.policy.isEmpty()) << path;
    }
    EXPECT_EQ(get("/", "DELETE").status, 405);
    EXPECT_EQ(get("/", "HEAD").status, 200);
}

TEST_F(WebServerTest, ABrowserSitsChatsAndPlaysBesideATcpPlayer) {
    RawClient& ann = join("Ann");
    WebClient& cid = browse("Cid");
    EXPECT_EQ(cid.seat(), 2);
    EXPECT_TRUE(cid.has(Msg::ExistingPlayers));
    ASSERT_TRUE(waitFor([&] { return says(ann.of(Msg::NewPlayerInfo), "Cid"); }));
    // The host knows the browser by its real address.
    ASSERT_TRUE(logged("browser connection"));
    EXPECT_TRUE(logged("from 127.0.0.1"));

    cid.send(protocol::build(Msg::Chat, {2, "hello from the browser"}));
    ASSERT_TRUE(
        waitFor([&] { return says(ann.of(Msg::ChatRelay), "Cid chats: hello from the browser"); }));
    ann.send(protocol::build(Msg::Chat, {1, "hello back"}));
    ASSERT_TRUE(waitFor([&] { return says(cid.of(Msg::ChatRelay), "Ann chats: hello back"); }));

    // A game: the browser passes whenever its turn comes, and the TCP player hears of it.
    ann.setAutoPlay(true);
    ann.send(protocol::build(Msg::StartGame, {"Ann", "0", "30"}));
    ASSERT_TRUE(waitFor([&] { return cid.has(Msg::GameStarted) && cid.has(Msg::MyTiles); }));
    ASSERT_TRUE(waitFor(
        [&] {
            const auto turns = cid.of(Msg::NextPlayer);
            if (!turns.empty() && turns.back().rfind("CMD_nextplayer+2+", 0) == 0 &&
                cid.of(Msg::HePassed).size() < turns.size())
                cid.send(protocol::build(Msg::Pass, {2}));
            return says(ann.of(Msg::HePassed), "CMD_hepassed+2");
        },
        20000));
}

TEST_F(WebServerTest, TextFromTheHostReachesTheBrowserAsUnicode) {
    join("Ren\xE9");  // a name written in Windows-1252 by an older client
    WebClient& cid = browse("Cid");
    ASSERT_TRUE(waitFor([&] { return !cid.of(Msg::ExistingPlayers).empty(); }));
    EXPECT_TRUE(says(cid.of(Msg::ExistingPlayers), "Ren\xC3\xA9"))
        << cid.of(Msg::ExistingPlayers)[0];
    // The empty message after the login never reaches a browser as a message of its own.
    for (const std::string& m : cid.received())
        EXPECT_FALSE(m.empty());
}

TEST_F(WebServerTest, SocketsFromOtherPagesOrPathsAreRefused) {
    RawClient& ann = join("Ann");
    const QString port = QString::number(web->port());
    for (const QString& origin :
         {QStringLiteral("http://evil.example"), QStringLiteral("http://127.0.0.1:1"),
          QStringLiteral("https://127.0.0.1:") + port, QStringLiteral("null")}) {
        WebClient stranger("Eve", origin);
        stranger.open(web->port());
        EXPECT_TRUE(stranger.waitClosed()) << origin.toStdString();
        EXPECT_EQ(stranger.seat(), 0) << origin.toStdString();
    }
    WebClient elsewhere("Eve", ownOrigin);
    elsewhere.open(web->port(), QStringLiteral("/other"));
    EXPECT_TRUE(elsewhere.waitClosed());
    EXPECT_EQ(elsewhere.seat(), 0);
    EXPECT_TRUE(logged("refused a browser connection"));
    // None of them took a seat: the next browser of the page is the second player.
    EXPECT_EQ(browse("Cid").seat(), 2);
    EXPECT_FALSE(says(ann.of(Msg::NewPlayerInfo), "Eve"));

    // A client that is no browser sends no Origin; it could use TCP all the same.
    WebClient tool("Tool", QString());
    tool.open(web->port());
    EXPECT_TRUE(tool.waitSeated());
}

TEST_F(WebServerTest, GarbageAndBinaryMessagesAreIgnoredLikeOverTcp) {
    RawClient& ann = join("Ann");
    WebClient& cid = browse("Cid");
    cid.send("no command here");
    cid.send("CMD_nosuchthing+1+2");
    cid.send("CMD_chat+x");
    cid.socket().sendBinaryMessage(QByteArray("\x00\x01\xFE garbage", 11));
    // Bytes that are no UTF-8 are read as a TCP client's would be.
    cid.socket().sendBinaryMessage(QByteArray("CMD_chat+2+caf\xE9"));
    cid.send(protocol::build(Msg::Chat, {2, "still here"}));
    ASSERT_TRUE(waitFor([&] { return says(ann.of(Msg::ChatRelay), "Cid chats: still here"); }));
    EXPECT_TRUE(says(ann.of(Msg::ChatRelay), "Cid chats: caf"));
    EXPECT_FALSE(cid.isClosed());
    // Another seat's name is refused as it is over TCP.
    cid.send(protocol::build(Msg::Chat, {1, "I am Ann"}));
    cid.send(protocol::build(Msg::Chat, {2, "after"}));
    ASSERT_TRUE(waitFor([&] { return says(ann.of(Msg::ChatRelay), "Cid chats: after"); }));
    EXPECT_FALSE(says(ann.of(Msg::ChatRelay), "I am Ann"));
}

TEST_F(WebServerTest, AMessageOverTheSizeCapClosesTheBrowser) {
    RawClient& ann = join("Ann");
    WebClient& cid = browse("Cid");
    cid.send("CMD_chat+2+" + std::string(70 * 1024, 'a'));
    EXPECT_TRUE(cid.waitClosed());
    EXPECT_FALSE(says(ann.of(Msg::ChatRelay), "aaaa"));
    // The host goes on serving everybody else.
    ann.send(protocol::build(Msg::Chat, {1, "alone"}));
    EXPECT_TRUE(waitFor([&] { return says(ann.of(Msg::ChatRelay), "Ann chats: alone"); }));
}

TEST_F(WebServerTest, AFloodingBrowserIsCutOffAtItsRelayBudget) {
    RawClient& ann = join("Ann");
    WebClient& cid = browse("Cid");
    for (int i = 0; i < 2000; ++i)
        cid.send(protocol::build(Msg::Chat, {2, "spam spam spam spam"}));
    ann.send(protocol::build(Msg::Chat, {1, "still served"}));
    ASSERT_TRUE(
        waitFor([&] { return says(ann.of(Msg::ChatRelay), "Ann chats: still served"); }, 20000));
    // Let whatever the host still holds arrive.
    ann.send(protocol::build(Msg::Chat, {1, "last"}));
    ASSERT_TRUE(waitFor([&] { return says(ann.of(Msg::ChatRelay), "Ann chats: last"); }, 20000));
    EXPECT_LE(ann.of(Msg::ChatRelay).size(), 200u);
}

// The headless host serves the page only when asked.
TEST(WebHostProgram, ServesThePageOnlyWithTheWebOption) {
    QProcess plain;
    plain.start(HEXALINE_HOST_BIN, {"--port", "0"});
    ASSERT_TRUE(plain.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return plain.canReadLine(); }));
    ASSERT_TRUE(
        waitFor([&] { return QString::fromUtf8(plain.peek(4096)).contains("listening on port"); }));
    EXPECT_FALSE(QString::fromUtf8(plain.readAll()).contains("web"));
    plain.terminate();
    ASSERT_TRUE(plain.waitForFinished());

    QProcess served;
    served.start(HEXALINE_HOST_BIN, {"--port", "0", "--web", "0"});
    ASSERT_TRUE(served.waitForStarted());
    QString out;
    const QRegularExpression line("serving the web page on port (\\d+): http://\\S+:(\\d+)/");
    ASSERT_TRUE(waitFor([&] {
        out += QString::fromUtf8(served.readAll());
        return line.match(out).hasMatch();
    }));
    const auto match = line.match(out);
    EXPECT_EQ(match.captured(1), match.captured(2));
    QNetworkAccessManager network;
    std::unique_ptr<QNetworkReply> reply(
        network.get(QNetworkRequest(QUrl("http://127.0.0.1:" + match.captured(1) + "/"))));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    served.terminate();
    ASSERT_TRUE(served.waitForFinished());
}

}  // namespace
