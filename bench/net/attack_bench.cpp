// SPDX-License-Identifier: GPL-3.0-or-later
// What hostile peers cost the honest ones, over real loopback sockets against the headless host
// in its own process:
//  - an honest player's chat echo and play round trip, quiet and while a spectator floods in
//    bursts under its caps;
//  - the host's memory while connections queue large messages and leave (refill), and while a
//    peer never reads what it is sent;
//  - an honest player's chat echo while eight connections churn: each connects, logs in, sends
//    30 chats, closes and starts over.
#include <benchmark/benchmark.h>

#include <QTcpSocket>
#include <memory>

#include "bench_support.h"
#include "support/raw_client.h"

using namespace hexaline;
using namespace hexaline::bench;
using protocol::Msg;
using support::RawClient;

namespace {

constexpr int kSecondMs = 20;

// Four players play games back to back; seat 1 chats five times a second. With `flood`, a
// spectator sends 800 chats at once every 4 s (200 a second, under its queue cap).
void BM_HonestLatency(benchmark::State& state) {
    const bool flood = state.range(0) != 0;
    QProcess process;
    const quint16 port =
        startHost(process, {"--second-ms", QString::number(kSecondMs), "--bot-speed", "20"});
    if (port == 0) {
        state.SkipWithError("the host did not start");
        return;
    }
    auto players = seatPlayers(port, 4);
    RawClient flooder("Flood");
    flooder.connectTo(port);
    flooder.waitSeated();

    QElapsedTimer clock;
    clock.start();
    std::int64_t playSentAt = 0, chatSentAt = -1;
    int arrived = 0, games = 0;
    std::vector<double> plays, chats;
    for (auto& p : players) {
        p->setAutoPlay(true);
        p->onPlay = [&] {
            playSentAt = clock.nsecsElapsed();
            arrived = 0;
        };
        p->onMessage = [&](const std::string& m) {
            if (isMessage(m, Msg::HisPlay) && ++arrived == 4)
                plays.push_back(double(clock.nsecsElapsed() - playSentAt) / 1e6);
        };
    }
    players[0]->onMessage = [&, first = players[0]->onMessage](const std::string& m) {
        first(m);
        if (chatSentAt >= 0 && isMessage(m, Msg::ChatRelay) &&
            m.find("P1 chats: ping") != std::string::npos) {
            chats.push_back(double(clock.nsecsElapsed() - chatSentAt) / 1e6);
            chatSentAt = -1;
        }
        if (isMessage(m, Msg::Winner))
            ++games;
    };
    std::string burst;
    for (int i = 0; i < 800; ++i)
        burst += protocol::build(Msg::Chat, {flooder.seat(), "spam spam spam spam spam spam"});

    for (auto _ : state) {
        players[0]->send(protocol::build(Msg::StartGame, {"P1", "60", "30"}));
        int startedGames = 0;
        std::int64_t nextChat = 0, nextBurst = 0;
        pump(
            [&] {
                const std::int64_t now = clock.elapsed();
                if (games > startedGames) {
                    startedGames = games;
                    players[0]->send(protocol::build(Msg::StartGame, {"P1", "60", "30"}));
                }
                if (now >= nextChat && chatSentAt < 0) {
                    chatSentAt = clock.nsecsElapsed();
                    players[0]->send(protocol::build(Msg::Chat, {1, "ping"}));
                    nextChat = now + 200;
                }
                if (flood && now >= nextBurst) {
                    flooder.sendRaw(burst);
                    nextBurst = now + 4000;
                }
                return now > 30000;
            },
            31000);
    }
    state.counters["chat_n"] = double(chats.size());
    state.counters["chat_p50_ms"] = percentile(chats, 0.50);
    state.counters["chat_p99_ms"] = percentile(chats, 0.99);
    state.counters["play_n"] = double(plays.size());
    state.counters["play_p50_ms"] = percentile(plays, 0.50);
    state.counters["play_p99_ms"] = percentile(plays, 0.99);
    state.counters["games"] = games;
    process.terminate();
    process.waitForFinished(5000);
}
BENCHMARK(BM_HonestLatency)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

// Two players play and chat while the attack runs for 40 s; the host's resident memory is
// sampled throughout. Attack 0: connections that each queue 16 chats of 60 KB and close, one
// after the other. Attack 1: a seated peer that never reads while the others chat at their cap.
void BM_HostMemoryUnderAttack(benchmark::State& state) {
    const bool refill = state.range(0) == 0;
    QProcess process;
    const quint16 port =
        startHost(process, {"--second-ms", QString::number(kSecondMs), "--bot-speed", "20"});
    if (port == 0) {
        state.SkipWithError("the host did not start");
        return;
    }
    auto players = seatPlayers(port, 2);
    for (auto& p : players)
        p->setAutoPlay(true);
    QTcpSocket sleeper;
    if (!refill) {
        sleeper.setReadBufferSize(1);
        sleeper.connectToHost(QStringLiteral("127.0.0.1"), port);
        sleeper.waitForConnected(5000);
    }
    const std::string big = protocol::build(Msg::Chat, {5, std::string(60000, 'r')});
    const std::string chatter = protocol::build(Msg::Chat, {2, std::string(1500, 'c')});
    std::vector<std::unique_ptr<QTcpSocket>> leaving;
    double maxRss = 0;
    int connections = 0, games = 0;
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        std::int64_t nextChat = 0;
        pump(
            [&] {
                const std::int64_t now = clock.elapsed();
                maxRss = std::max(maxRss, statusKiB(process.processId(), "VmRSS"));
                if (players[0]->has(Msg::Winner) || now < 50) {
                    players[0]->forget();
                    ++games;
                    players[0]->send(protocol::build(Msg::StartGame, {"P1", "60", "30"}));
                }
                if (refill) {
                    if (leaving.size() > 50)
                        leaving.erase(leaving.begin());
                    auto socket = std::make_unique<QTcpSocket>();
                    socket->connectToHost(QStringLiteral("127.0.0.1"), port);
                    if (socket->waitForConnected(1000)) {
                        for (int i = 0; i < 16; ++i)
                            socket->write(big.data(), qint64(big.size()));
                        socket->flush();
                        socket->close();
                        ++connections;
                    }
                    leaving.push_back(std::move(socket));
                } else if (now >= nextChat) {
                    players[1]->send(chatter);
                    nextChat = now + 100;
                }
                return now > 40000;
            },
            41000);
    }
    state.counters["max_rss_MiB"] = maxRss / 1024;
    state.counters["hwm_MiB"] = statusKiB(process.processId(), "VmHWM") / 1024;
    state.counters["refill_connections"] = connections;
    state.counters["sleeper_dropped"] = sleeper.state() == QAbstractSocket::UnconnectedState;
    state.counters["games_started"] = games;
    process.terminate();
    process.waitForFinished(5000);
}
BENCHMARK(BM_HostMemoryUnderAttack)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

// Seat 1 chats ten times a second for 30 s while eight churners go round: connect, log in, send
// 30 chats, wait up to 100 ms for them to come back, close, and again.
void BM_EchoUnderChurn(benchmark::State& state) {
    constexpr int kChurners = 8;
    QProcess process;
    const quint16 port = startHost(process, {});
    if (port == 0) {
        state.SkipWithError("the host did not start");
        return;
    }
    auto players = seatPlayers(port, 1);
    RawClient& honest = *players[0];
    QElapsedTimer clock;
    clock.start();
    std::int64_t chatSentAt = -1;
    std::vector<double> echoes;
    std::size_t churnRelays = 0;
    honest.onMessage = [&](const std::string& m) {
        if (!isMessage(m, Msg::ChatRelay))
            return;
        if (m.find("P1 chats: ping") == std::string::npos) {
            ++churnRelays;
        } else if (chatSentAt >= 0) {
            echoes.push_back(double(clock.nsecsElapsed() - chatSentAt) / 1e6);
            chatSentAt = -1;
        }
    };

    struct Churner {
        std::unique_ptr<RawClient> client;
        std::int64_t sentAt = -1;  // when its burst went out
    };
    std::vector<Churner> churners(kChurners);
    std::vector<std::unique_ptr<RawClient>> gone;
    int cycles = 0;
    auto start = [&](Churner& c) {
        c.client = std::make_unique<RawClient>("Churn");
        c.client->connectTo(port);
        c.sentAt = -1;
    };
    for (Churner& c : churners)
        start(c);

    for (auto _ : state) {
        std::int64_t nextChat = 0;
        pump(
            [&] {
                const std::int64_t now = clock.elapsed();
                if (now >= nextChat && chatSentAt < 0) {
                    chatSentAt = clock.nsecsElapsed();
                    honest.send(protocol::build(Msg::Chat, {1, "ping"}));
                    nextChat = now + 100;
                }
                for (Churner& c : churners) {
                    RawClient& client = *c.client;
                    if (c.sentAt < 0 && client.seat() != 0) {
                        std::string burst;
                        for (int i = 0; i < 30; ++i)
                            burst += protocol::build(Msg::Chat, {client.seat(), "churn churn"});
                        client.sendRaw(burst);
                        c.sentAt = now;
                    } else if (c.sentAt >= 0 &&
                               (client.of(Msg::ChatRelay).size() >= 30 || now - c.sentAt > 100)) {
                        client.leave();
                        gone.push_back(std::move(c.client));
                        if (gone.size() > 64)
                            gone.erase(gone.begin());
                        ++cycles;
                        start(c);
                    }
                }
                return now > 30000;
            },
            31000);
    }
    state.counters["echo_n"] = double(echoes.size());
    state.counters["echo_p50_ms"] = percentile(echoes, 0.50);
    state.counters["echo_p99_ms"] = percentile(echoes, 0.99);
    state.counters["echo_max_ms"] = percentile(echoes, 1.0);
    state.counters["churn_cycles"] = cycles;
    state.counters["churn_relays_per_s"] = double(churnRelays) / 30.0;
    state.counters["honest_closed"] = honest.waitClosed(0);
    process.terminate();
    process.waitForFinished(5000);
}
BENCHMARK(BM_EchoUnderChurn)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
