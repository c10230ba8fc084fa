// SPDX-License-Identifier: GPL-3.0-or-later
// The browser client's files as the server finds them, the headers that guard them, the
// origin check of the game socket, and the exported message table.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "protocol/message_table.h"
#include "protocol_json.h"
#include "web/web_files.h"
#include "web/web_origin.h"

namespace hexaline::web {
namespace {

TEST(WebFiles, FindsTheBuiltInFilesAndNothingElse) {
    const auto page = findWebFile("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->resource, ":/web/index.html");
    EXPECT_EQ(page->contentType, "text/html; charset=utf-8");
    ASSERT_TRUE(findWebFile("/protocol.json"));
    EXPECT_EQ(findWebFile("/protocol.json")->contentType, "application/json");
    ASSERT_TRUE(findWebFile("/tiles/green-bubbles@2x.png"));
    ASSERT_TRUE(findWebFile("/sounds/turn.wav"));
    EXPECT_EQ(findWebFile("/sounds/turn.wav")->contentType, "audio/wav");
    // Folders, ways out of the folder, and names that are not there.
    for (const char* path : {"/tiles", "/tiles/", "/../web/index.html", "/tiles/../index.html",
                             "//index.html", "/./index.html", "index.html", "/nothing.html",
                             "/index.html/", "/tiles\\red-car@1x.png", ""}) {
        EXPECT_FALSE(findWebFile(QString::fromLatin1(path))) << path;
    }
}

TEST(WebFiles, TheBuildDrewEveryTilePictureAtBothScales) {
    const char* colours[] = {"purple", "yellow", "orange", "red", "blue", "green"};
    const char* shapes[] = {"car", "smiley", "flower", "heart", "peace", "bubbles"};
    for (const char* scale : {"1x", "2x"}) {
        for (const char* colour : colours)
            for (const char* shape : shapes)
                EXPECT_TRUE(findWebFile(
                    QStringLiteral("/tiles/%1-%2@%3.png")
                        .arg(QLatin1String(colour), QLatin1String(shape), QLatin1String(scale))))
                    << colour << "-" << shape << "@" << scale;
        EXPECT_TRUE(findWebFile(QStringLiteral("/tiles/empty@%1.png").arg(QLatin1String(scale))));
    }
}

TEST(WebFiles, ContentTypesAndThePolicy) {
    EXPECT_EQ(contentTypeOf("app.js"), "text/javascript; charset=utf-8");
    EXPECT_EQ(contentTypeOf("table.css"), "text/css; charset=utf-8");
    EXPECT_EQ(contentTypeOf("a.SVG"), "image/svg+xml");
    EXPECT_TRUE(contentTypeOf("notes.md").isEmpty());
    EXPECT_TRUE(contentTypeOf("run.py").isEmpty());

    const QByteArray policy = securityPolicy("192.168.1.5:7773", false);
    EXPECT_TRUE(policy.startsWith("default-src 'self'; connect-src 'self' ws://192.168.1.5:7773;"))
        << policy.constData();
    EXPECT_TRUE(securityPolicy("[::1]:7773", true).contains("wss://[::1]:7773;"));
    // A Host header that would smuggle its own rules in is left out.
    for (const char* host : {"a.example; script-src *", "a b", "", "x\r\nSet-Cookie: y"}) {
        const QByteArray other = securityPolicy(host, false);
        EXPECT_TRUE(other.startsWith("default-src 'self'; connect-src 'self'; ")) << host;
        EXPECT_FALSE(other.contains("script-src *"));
    }
}

TEST(WebOrigin, OnlyThePagesOwnHostAndPort) {
    EXPECT_TRUE(sameOrigin("http://127.0.0.1:7773", "127.0.0.1:7773", false));
    EXPECT_TRUE(sameOrigin("http://Game.Example:7773", "game.example:7773", false));
    EXPECT_TRUE(sameOrigin("http://game.example", "game.example:80", false));
    EXPECT_TRUE(sameOrigin("https://game.example", "game.example", true));
    EXPECT_TRUE(sameOrigin("http://[::1]:7773", "[::1]:7773", false));

    EXPECT_FALSE(sameOrigin("http://evil.example:7773", "127.0.0.1:7773", false));
    EXPECT_FALSE(sameOrigin("http://127.0.0.1:8080", "127.0.0.1:7773", false));
    EXPECT_FALSE(sameOrigin("https://127.0.0.1:7773", "127.0.0.1:7773", false));
    EXPECT_FALSE(sameOrigin("http://127.0.0.1:7773", "127.0.0.1:7773", true));
    EXPECT_FALSE(sameOrigin("null", "127.0.0.1:7773", false));
    EXPECT_FALSE(sameOrigin("file://", "127.0.0.1:7773", false));
    EXPECT_FALSE(sameOrigin("http://127.0.0.1:7773", "", false));
    EXPECT_FALSE(sameOrigin("http://127.0.0.1:7773/x", "127.0.0.1:7773", false));
    EXPECT_FALSE(sameOrigin("http://user@127.0.0.1:7773", "127.0.0.1:7773", false));
}

// The browser reads the protocol from this file alone: it must say what the table says.
TEST(ProtocolExport, TheJsonIsTheMessageTable) {
    QFile built(":/web/protocol.json");
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray bytes = built.readAll();
    EXPECT_EQ(bytes.toStdString(), tools::protocolJson() + "\n");

    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(root["version"].toString().toStdString(), protocol::kVersion);
    EXPECT_EQ(root["terminator"].toInt(), 255);
    EXPECT_EQ(root["separator"].toString(), "+");
    const QJsonArray messages = root["messages"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(messages.size()), protocol::kMessageCount);
    const char* kinds[] = {"number", "text", "rest"};
    const char* endings[] = {"plain", "separator", "doubleTerminator"};
    for (std::size_t i = 0; i < protocol::kMessageCount; ++i) {
        const protocol::MessageLayout& m = protocol::messageTable()[i];
        const QJsonObject entry = messages[static_cast<qsizetype>(i)].toObject();
        SCOPED_TRACE(std::string(m.word));
        EXPECT_EQ(entry["id"].toString().toStdString(), tools::messageName(m.id));
        EXPECT_EQ(entry["word"].toString().toStdString(), m.word);
        EXPECT_EQ(entry["direction"].toString(),
                  m.direction == protocol::Direction::ToHost ? "toHost" : "toClient");
        EXPECT_EQ(entry["ending"].toString(), endings[static_cast<int>(m.ending)]);
        EXPECT_EQ(entry["sentByHost"].toBool(), m.sentByHost);
        const QJsonArray head = entry["head"].toArray();
        const QJsonArray group = entry["group"].toArray();
        ASSERT_EQ(static_cast<std::size_t>(head.size()), m.head.size());
        ASSERT_EQ(static_cast<std::size_t>(group.size()), m.group.size());
        for (std::size_t f = 0; f < m.head.size(); ++f)
            EXPECT_EQ(head[static_cast<qsizetype>(f)].toString(),
                      kinds[static_cast<int>(m.head[f])]);
        for (std::size_t f = 0; f < m.group.size(); ++f)
            EXPECT_EQ(group[static_cast<qsizetype>(f)].toString(),
                      kinds[static_cast<int>(m.group[f])]);
    }
    EXPECT_EQ(messages[0].toObject()["id"].toString(), "Login");
    EXPECT_EQ(messages[0].toObject()["ending"].toString(), "doubleTerminator");
}

}  // namespace
}  // namespace hexaline::web
