// SPDX-License-Identifier: GPL-3.0-or-later
// The HTTP/1.0 GET against a real server on 127.0.0.1, and its response reader fed any bytes.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTest>
#include <string>
#include <vector>

#include "http_test_server.h"
#include "windows/lobby/http_get.h"
#include "windows/lobby/http_response.h"

namespace hexaline::lobby {
namespace {

using test::HttpTestServer;

// One transfer into a buffer in memory, and the end it reports.
struct Transfer {
    Transfer() { file.open(QIODevice::WriteOnly); }
    bool start(const QUrl& url) { return get.start(url, &file); }

    HttpGet get;
    QBuffer file;
    QSignalSpy done{&get, &HttpGet::finished};
};

struct Recorded {
    std::vector<std::string> lines;
    int bodyStarts = 0;
    std::string body;
    std::vector<std::uint64_t> totals;
};

HttpResponseReader recorder(Recorded& r) {
    HttpResponseReader::Events events;
    events.headerLine = [&r](std::string_view line) { r.lines.emplace_back(line); };
    events.bodyStarted = [&r] { ++r.bodyStarts; };
    events.body = [&r](const char* data, std::size_t size, std::uint64_t total) {
        r.body.append(data, size);
        r.totals.push_back(total);
    };
    return HttpResponseReader(events);
}

TEST(HttpResponseReader, ReadsAResponseCutAnywhere) {
    const std::string response = "HTTP/1.1 200 OK\r\ncontent-LENGTH:  5 \r\nX: y\n\r\nhelloEXTRA";
    for (std::size_t cut = 1; cut <= response.size(); ++cut) {
        Recorded r;
        HttpResponseReader reader = recorder(r);
        for (std::size_t at = 0; at < response.size(); at += cut)
            ASSERT_TRUE(reader.feed(response.data() + at, std::min(cut, response.size() - at)));
        EXPECT_EQ(r.lines,
                  (std::vector<std::string>{"HTTP/1.1 200 OK", "content-LENGTH:  5 ", "X: y"}));
        EXPECT_EQ(r.bodyStarts, 1);
        EXPECT_EQ(r.body, "hello");  // bytes beyond the length are dropped
        EXPECT_EQ(r.totals.back(), 5u);
        EXPECT_TRUE(reader.complete());
    }
}

TEST(HttpResponseReader, RefusesWhatIsNotAWholeGoodResponse) {
    const auto run = [](const std::string& bytes) {
        Recorded r;
        HttpResponseReader reader = recorder(r);
        const bool fed = reader.feed(bytes.data(), bytes.size());
        return std::pair{fed, reader.complete()};
    };
    EXPECT_EQ(run("HTTP/1.0 200 OK\r\n\r\nbody"), std::pair(true, true));  // ends with the close
    EXPECT_EQ(run("HTTP/1.0 200 OK\r\nContent-Length: 9\r\n\r\nshort"), std::pair(true, false));
    EXPECT_EQ(run("HTTP/1.0 404 Not Found\r\n\r\nnope"), std::pair(true, false));
    EXPECT_EQ(run("HTTP/1.0 200 OK\r\nContent-Length: 3"), std::pair(true, false));
    EXPECT_EQ(run("SSH-2.0-OpenSSH\r\n"), std::pair(false, false));
    EXPECT_EQ(run("HTTP/1.0 20 OK\r\n"), std::pair(false, false));
    EXPECT_EQ(run("HTTP/1.0 200 OK\r\nContent-Length: -1\r\n\r\n"), std::pair(false, false));
    EXPECT_EQ(run("HTTP/1.0 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n"),
              std::pair(false, false));
    EXPECT_EQ(run(std::string("HTTP/1.0 200 OK\r\nX: ").append(9000, 'a')),
              std::pair(false, false));
    std::string many = "HTTP/1.0 200 OK\r\n";
    for (int k = 0; k < 101; ++k)
        many += "X: 1\r\n";
    EXPECT_EQ(run(many), std::pair(false, false));
}

class HttpGetTest : public ::testing::Test {
  protected:
    HttpGetTest() {
        sink.open(QIODevice::WriteOnly);
        QObject::connect(&get, &HttpGet::headerLine,
                         [this](const QByteArray& line) { lines << line; });
        QObject::connect(&get, &HttpGet::bodyStarted, [this] { events << "body"; });
        QObject::connect(&get, &HttpGet::bodyData, [this](qint64 total) { totals << total; });
    }

    bool finishedOk(QSignalSpy& done) {
        if (done.isEmpty()) {
            EXPECT_TRUE(done.wait(5000));
        }
        EXPECT_EQ(done.count(), 1);
        return !done.isEmpty() && done.first().at(0).toBool();
    }

    HttpTestServer server;
    HttpGet get;
    QBuffer sink;
    QList<QByteArray> lines;
    QStringList events;
    QList<qint64> totals;
};

TEST_F(HttpGetTest, SendsTheExactRequestAndReportsEveryEvent) {
    server.firstPart = 4;
    QSignalSpy done(&get, &HttpGet::finished);
    ASSERT_TRUE(get.start(server.url("/files/Orvik7LobbySetup.run?v=2"), &sink));
    EXPECT_FALSE(get.start(server.url("/again"), &sink));  // one transfer at a time
    (void)QTest::qWaitFor([&] { return totals.size() == 1; }, 5000);
    EXPECT_EQ(totals.size(), 1);
    EXPECT_EQ(server.request,
              "GET /files/Orvik7LobbySetup.run?v=2 HTTP/1.0\r\n"
              "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
              "User-Agent: Mozilla/3.0 (compatible)\r\n"
              "Host: 127.0.0.1:" +
                  QByteArray::number(server.port()) + "\r\n\r\n");
    EXPECT_EQ(lines, QList<QByteArray>({"HTTP/1.0 200 OK", "Content-Length: 10", "Server: test"}));
    EXPECT_EQ(events, QStringList{"body"});
    EXPECT_EQ(totals.first(), 4);
    server.sendRest();
    EXPECT_TRUE(finishedOk(done));
    EXPECT_EQ(totals.last(), 10);
    EXPECT_EQ(sink.data(), "0123456789");
    EXPECT_FALSE(get.running());
    EXPECT_EQ(HttpGet::requestBytes(QUrl("http://example.org")).left(16), "GET / HTTP/1.0\r\n");
}

TEST_F(HttpGetTest, AbortMidBodyEndsWithAnError) {
    server.firstPart = 3;
    server.close = false;
    QSignalSpy done(&get, &HttpGet::finished);
    ASSERT_TRUE(get.start(server.url("/setup.run"), &sink));
    (void)QTest::qWaitFor([&] { return totals.size() == 1; }, 5000);
    EXPECT_EQ(totals.size(), 1);
    get.abort();
    EXPECT_FALSE(get.running());
    EXPECT_TRUE(done.isEmpty());  // the error follows from the event loop
    EXPECT_FALSE(finishedOk(done));
    EXPECT_EQ(get.failure(), HttpGet::Failure::Aborted);
    EXPECT_EQ(done.first().at(1).toString(), "The download was stopped.");
    EXPECT_EQ(sink.data(), "012");
}

TEST_F(HttpGetTest, AServerThatClosesEarlyIsAFailure) {
    server.firstPart = 6;
    QSignalSpy done(&get, &HttpGet::finished);
    ASSERT_TRUE(get.start(server.url("/setup.run"), &sink));
    (void)QTest::qWaitFor([&] { return totals.size() == 1; }, 5000);
    EXPECT_EQ(totals.size(), 1);
    server.closeNow();
    EXPECT_FALSE(finishedOk(done));
    EXPECT_EQ(totals.last(), 6);
}

TEST_F(HttpGetTest, StatusesOtherThanSuccessAndDeadPortsFail) {
    server.head = "HTTP/1.0 404 Not Found\r\n\r\n";
    QSignalSpy done(&get, &HttpGet::finished);
    ASSERT_TRUE(get.start(server.url("/missing"), &sink));
    EXPECT_FALSE(finishedOk(done));

    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();
    HttpGet refused;
    QSignalSpy refusedDone(&refused, &HttpGet::finished);
    QBuffer other;
    other.open(QIODevice::WriteOnly);
    ASSERT_TRUE(refused.start(QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(port)), &other));
    ASSERT_TRUE(refusedDone.wait(5000));
    EXPECT_FALSE(refusedDone.first().at(0).toBool());
    EXPECT_FALSE(get.start(QUrl("ftp://127.0.0.1/x"), &sink));
}

// What QSslSocket itself reports when a TLS server ends a body that has no length. Both a clean
// close (close_notify, then the TCP close) and a bare TCP close, which may be a cut, end in
// RemoteHostClosedError; only the clean close has one reported by the TLS layer first, with
// its own text. HttpGet tells the two apart by that report.
TEST(TlsEnd, OnlyACleanCloseIsReportedByTheTlsLayer) {
    for (const bool cut : {false, true}) {
        HttpTestServer server(true);
        server.head = "HTTP/1.0 200 OK\r\n\r\n";
        server.cut = cut;
        QSslSocket client;
        client.setSslConfiguration(HttpTestServer::trustingClient());
        QList<QAbstractSocket::SocketError> errors;
        QStringList texts;
        QObject::connect(&client, &QAbstractSocket::errorOccurred,
                         [&](QAbstractSocket::SocketError e) {
                             errors << e;
                             texts << client.errorString();
                         });
        QObject::connect(&client, &QSslSocket::encrypted,
                         [&] { client.write("GET / HTTP/1.0\r\n\r\n"); });
        QSignalSpy ended(&client, &QAbstractSocket::disconnected);
        client.connectToHostEncrypted(QStringLiteral("127.0.0.1"), server.port());
        ASSERT_TRUE(ended.wait(5000)) << cut;
        EXPECT_TRUE(client.readAll().endsWith("0123456789")) << cut;
        ASSERT_FALSE(errors.isEmpty()) << cut;
        EXPECT_EQ(errors.first(), QAbstractSocket::RemoteHostClosedError) << cut;
        EXPECT_EQ(texts.first() == HttpGet::tlsClosedText(), !cut) << qPrintable(texts.join('|'));
    }
}

// Each way a transfer fails has its own reason, and an error page never reaches the file.
TEST_F(HttpGetTest, EveryFailureSaysWhy) {
    const auto failureOf = [this](HttpTestServer& from, const QString& path = "/setup.run") {
        Transfer transfer;
        transfer.get.setSslConfiguration(HttpTestServer::trustingClient());
        EXPECT_TRUE(transfer.start(from.url(path)));
        EXPECT_TRUE(transfer.done.wait(5000));
        EXPECT_EQ(transfer.done.count(), 1);
        EXPECT_FALSE(transfer.done.first().at(0).toBool());
        EXPECT_EQ(transfer.done.first().at(1).toString(),
                  HttpGet::failureText(transfer.get.failure(), transfer.get.status()));
        EXPECT_TRUE(transfer.file.data().isEmpty()) << transfer.file.data().constData();
        return transfer.get.failure();
    };
    HttpTestServer missing;
    missing.head = "HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\n";
    missing.body = "<h1>404</h1>";
    EXPECT_EQ(failureOf(missing), HttpGet::Failure::NotFound);
    HttpTestServer busy;
    busy.head = "HTTP/1.0 503 Busy\r\n\r\n";
    busy.body = "try later";
    EXPECT_EQ(failureOf(busy), HttpGet::Failure::Refused);
    EXPECT_EQ(HttpGet::failureText(HttpGet::Failure::Refused, 503),
              "The download server refused the request (HTTP status 503).");

    // A certificate nobody vouches for: the client trusts only the system's authorities.
    HttpTestServer untrusted(true);
    Transfer strict;
    ASSERT_TRUE(strict.start(untrusted.url("/setup.run")));
    ASSERT_TRUE(strict.done.wait(5000));
    EXPECT_FALSE(strict.done.first().at(0).toBool());
    EXPECT_EQ(strict.get.failure(), HttpGet::Failure::Untrusted);
    EXPECT_TRUE(strict.file.data().isEmpty());
    EXPECT_FALSE(untrusted.answered);

    HttpTestServer cut(true);
    cut.head = "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n";
    cut.firstPart = 4;
    cut.close = false;
    Transfer early;
    early.get.setSslConfiguration(HttpTestServer::trustingClient());
    ASSERT_TRUE(early.start(cut.url("/setup.run")));
    (void)QTest::qWaitFor([&] { return early.get.bodyBytes() == 4; }, 5000);
    EXPECT_EQ(early.get.bodyBytes(), 4);
    cut.closeNow();
    ASSERT_TRUE(early.done.wait(5000));
    EXPECT_EQ(early.get.failure(), HttpGet::Failure::EndedEarly);
    EXPECT_EQ(early.done.first().at(1).toString(),
              "The transfer ended early, before the whole file arrived.");
}

// Without a Content-Length, only the server's TLS close proves the body whole.
TEST(HttpGetTls, ABodyWithoutLengthNeedsACleanTlsClose) {
    for (const bool cut : {false, true}) {
        HttpTestServer server(true);
        server.head = "HTTP/1.0 200 OK\r\n\r\n";
        server.cut = cut;
        Transfer transfer;
        transfer.get.setSslConfiguration(HttpTestServer::trustingClient());
        ASSERT_TRUE(transfer.start(server.url("/setup.run")));
        ASSERT_TRUE(transfer.done.wait(5000));
        EXPECT_EQ(transfer.done.first().at(0).toBool(), !cut);
        EXPECT_EQ(transfer.get.failure(),
                  cut ? HttpGet::Failure::EndedEarly : HttpGet::Failure::None);
        EXPECT_EQ(transfer.get.bodyBytes(), 10);
    }
}

// The size bound stops a transfer whether the length is announced or not.
TEST(HttpGetBound, ABodyOverTheBoundIsStopped) {
    for (const bool announced : {true, false}) {
        HttpTestServer server;
        server.head =
            announced ? "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n" : "HTTP/1.0 200 OK\r\n\r\n";
        Transfer transfer;
        transfer.get.setMaxBodyBytes(6);
        ASSERT_TRUE(transfer.start(server.url("/setup.run")));
        ASSERT_TRUE(transfer.done.wait(5000));
        EXPECT_FALSE(transfer.done.first().at(0).toBool()) << announced;
        EXPECT_EQ(transfer.get.failure(), HttpGet::Failure::TooLarge) << announced;
        EXPECT_LE(transfer.file.data().size(), 6);
        EXPECT_EQ(HttpGet::failureText(HttpGet::Failure::TooLarge, 200,
                                       QString::number(qint64{512} << 20)),
                  "The download was stopped because the file is larger than 512 MiB.");
    }
    // Exactly at the bound is fine.
    HttpTestServer server;
    Transfer transfer;
    transfer.get.setMaxBodyBytes(10);
    ASSERT_TRUE(transfer.start(server.url("/setup.run")));
    ASSERT_TRUE(transfer.done.wait(5000));
    EXPECT_TRUE(transfer.done.first().at(0).toBool());
    EXPECT_EQ(transfer.file.data(), "0123456789");
}

}  // namespace
}  // namespace hexaline::lobby
