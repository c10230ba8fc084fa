// SPDX-License-Identifier: GPL-3.0-or-later
// The play round trip with one seat over the game socket for web browsers, against the same
// game with every seat over TCP: the headless host in its own process serving --web, four
// players that play their turns, ten games each way.
//
// The web seat's player is the same raw client as the others, reaching the WebSocket through
// a relay in this process (TCP in, one WebSocket message per protocol message out). The relay
// adds a loopback hop of its own, so the difference it shows is an upper bound of what the
// bridge adds.
#include <benchmark/benchmark.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <memory>
#include <vector>

#include "bench_support.h"
#include "play_round_trips.h"
#include "protocol/builder.h"
#include "protocol/framer.h"
#include "support/raw_client.h"

using namespace hexaline;
using bench::measurePlayRoundTrips;
using bench::pump;
using bench::seatPlayers;
using support::RawClient;

namespace {

// TCP on one side, the host's game socket for browsers on the other.
class WebRelay {
  public:
    explicit WebRelay(quint16 webPort)
        : socket_(QStringLiteral("http://127.0.0.1:%1").arg(webPort)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            tcp_ = server_.nextPendingConnection();
            tcp_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            QObject::connect(tcp_, &QTcpSocket::readyRead, [this] { fromPlayer(); });
            tcp_->write(held_);
            held_.clear();
        });
        QObject::connect(&socket_, &QWebSocket::textMessageReceived, [this](const QString& text) {
            QByteArray bytes = text.toUtf8();
            bytes.append(protocol::kTerminator);
            if (tcp_)
                tcp_->write(bytes);
            else
                held_.append(bytes);
        });
        // A browser sends without Nagle's delay; so does this end.
        QObject::connect(&socket_, &QWebSocket::connected, [this] {
            if (auto* tcp = socket_.findChild<QTcpSocket*>())
                tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        });
        socket_.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/play").arg(webPort)));
    }
    quint16 port() const { return server_.serverPort(); }

  private:
    void fromPlayer() {
        const QByteArray bytes = tcp_->readAll();
        std::vector<std::string> messages;
        framer_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     messages);
        for (const std::string& m : messages)
            if (!m.empty())
                socket_.sendTextMessage(
                    QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size())));
    }

    QTcpServer server_;
    QTcpSocket* tcp_ = nullptr;
    QWebSocket socket_;
    QByteArray held_;
    protocol::Framer framer_;
};

// The headless host serving --web; its game port and web port, or zeros.
std::pair<quint16, quint16> startWebHost(QProcess& process) {
    process.setProgram(QStringLiteral(HEXALINE_HOST_BIN));
    process.setArguments({"--port", "0", "--web", "0", "--second-ms", "20", "--bot-speed", "20"});
    process.start();
    QString out;
    quint16 game = 0, web = 0;
    pump(
        [&] {
            out += QString::fromUtf8(process.readAllStandardOutput());
            const auto g = QRegularExpression("listening on port (\\d+)").match(out);
            const auto w = QRegularExpression("web page on port (\\d+)").match(out);
            if (g.hasMatch() && w.hasMatch()) {
                game = static_cast<quint16>(g.captured(1).toUInt());
                web = static_cast<quint16>(w.captured(1).toUInt());
            }
            return web != 0;
        },
        10000);
    return {game, web};
}

void roundTrips(benchmark::State& state, bool oneWebSeat) {
    QProcess process;
    const auto [port, webPort] = startWebHost(process);
    if (port == 0) {
        state.SkipWithError("the host did not start");
        return;
    }
    auto players = seatPlayers(port, oneWebSeat ? 3 : 4);
    std::unique_ptr<WebRelay> relay;
    if (oneWebSeat) {
        relay = std::make_unique<WebRelay>(webPort);
        players.push_back(std::make_unique<RawClient>("P4"));
        players.back()->connectTo(relay->port());
        players.back()->waitSeated();
    }
    measurePlayRoundTrips(state, players);
    process.terminate();
    process.waitForFinished(5000);
}

void BM_PlayRoundTripAllSeatsTcp(benchmark::State& state) {
    roundTrips(state, false);
}
void BM_PlayRoundTripOneWebSeat(benchmark::State& state) {
    roundTrips(state, true);
}
BENCHMARK(BM_PlayRoundTripAllSeatsTcp)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayRoundTripOneWebSeat)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
