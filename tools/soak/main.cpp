// SPDX-License-Identifier: GPL-3.0-or-later
// hexaline-soak: the headless host under a long session. Four players play games back to back at
// a short game second while five spectators chat; every ten seconds it prints the host's
// memory, its open descriptors and the games finished. It talks to 127.0.0.1 only and stops by
// itself after the chosen time.
//
//   hexaline-soak [--minutes M] [--second-ms MS] [--bot-speed MS]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>
#include <memory>

#include "bench_support.h"
#include "support/raw_client.h"

using namespace hexaline;
using protocol::Msg;
using support::RawClient;

namespace {

int openDescriptors(qint64 pid) {
    return static_cast<int>(QDir(QStringLiteral("/proc/%1/fd").arg(pid))
                                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                                .size());
}

int option(const QStringList& args, const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int minutes = option(args, "--minutes", 30);
    const int secondMs = option(args, "--second-ms", 20);
    const int botSpeed = option(args, "--bot-speed", 20);

    QProcess host;
    const quint16 port = bench::startHost(
        host, {"--second-ms", QString::number(secondMs), "--bot-speed", QString::number(botSpeed)});
    if (port == 0) {
        std::fprintf(stderr, "the host did not start\n");
        return 1;
    }
    std::vector<std::unique_ptr<RawClient>> people;
    for (int i = 1; i <= 9; ++i) {
        std::string name = i <= 4 ? "Player" : "Watcher";
        name += std::to_string(i);
        people.push_back(std::make_unique<RawClient>(name));
        people.back()->connectTo(port);
        if (!people.back()->waitSeated()) {
            std::fprintf(stderr, "connection %d was not seated\n", i);
            return 1;
        }
        people.back()->setAutoPlay(i <= 4);
    }
    RawClient& first = *people.front();

    QElapsedTimer clock;
    clock.start();
    const qint64 end = qint64(minutes) * 60'000;
    int games = 0;
    qint64 nextReport = 0, nextChat = 0, lastGameAt = 0;
    double firstRss = 0, maxRss = 0;
    first.send(protocol::build(Msg::StartGame, {"Player1", "60", "30"}));
    std::printf("%8s %8s %10s %10s %6s\n", "seconds", "games", "rss_KiB", "hwm_KiB", "fds");
    bool stalled = false;
    bench::pump(
        [&] {
            const qint64 now = clock.elapsed();
            if (first.has(Msg::Winner)) {
                ++games;
                lastGameAt = now;
                for (auto& p : people)
                    p->forget();  // keeps the soak's own memory flat
                first.send(protocol::build(Msg::StartGame, {"Player1", "60", "30"}));
            }
            if (now >= nextChat) {
                for (int i = 4; i < 9; ++i)
                    people[i]->send(
                        protocol::build(Msg::Chat, {people[i]->seat(), "nice one|clBlue"}));
                nextChat = now + 1000;
            }
            if (now >= nextReport) {
                const double rss = bench::statusKiB(host.processId(), "VmRSS");
                if (firstRss == 0)
                    firstRss = rss;
                maxRss = std::max(maxRss, rss);
                std::printf("%8lld %8d %10.0f %10.0f %6d\n", now / 1000, games, rss,
                            bench::statusKiB(host.processId(), "VmHWM"),
                            openDescriptors(host.processId()));
                std::fflush(stdout);
                nextReport = now + 10'000;
            }
            stalled = now - lastGameAt > 300'000;
            return now >= end || stalled || host.state() != QProcess::Running;
        },
        int(std::min<qint64>(end + 60'000, INT32_MAX)));
    const bool alive = host.state() == QProcess::Running;
    std::printf(
        "games finished: %d in %lld s; host memory %.0f KiB at start, %.0f KiB at most; "
        "host %s%s\n",
        games, clock.elapsed() / 1000, firstRss, maxRss, alive ? "alive" : "DIED",
        stalled ? "; games STALLED" : "");
    host.terminate();
    host.waitForFinished(5000);
    return alive && !stalled ? 0 : 1;
}
