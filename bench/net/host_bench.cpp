// Host figures over real loopback sockets:
//  - the round trip from a client's play to all four clients having the accepted play;
//  - the CPU an idle host uses with its connections open.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "engine/host.h"
#include "engine/random.h"
#include "engine/virtual_outlet.h"
#include "net/protocol/builder.h"
#include "net/protocol/framer.h"
#include "net/protocol/reader.h"
#include "net/session/host_service.h"

using namespace hexaline;
using protocol::Msg;

namespace {

// Processes events until `done` holds or `ms` pass.
template <typename F>
bool pump(F done, int ms) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // looks at the clock now and then even when nothing happens
    wake.start(20);
    while (!done() && clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return done();
}

// Runs the event loop for `ms` milliseconds without waking up on its own.
void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A player that plays its own turns with the engine's search, and notes when plays arrive.
class Player {
  public:
    Player(std::string name, std::int64_t* playSentAt, std::vector<std::int64_t>* arrivals,
           QElapsedTimer* clock)
        : name_(std::move(name)),
          playSentAt_(playSentAt),
          arrivals_(arrivals),
          clock_(clock),
          mirror_(outlet_, random_) {
        QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { read(); });
    }
    void connectTo(quint16 port) { socket_.connectToHost(QStringLiteral("127.0.0.1"), port); }
    int seat() const { return seat_; }
    bool won() const { return won_; }
    void reset() { won_ = false; }
    void send(const std::string& m) {
        socket_.write(m.data(), static_cast<qint64>(m.size()));
        socket_.flush();
    }

  private:
    void read() {
        const QByteArray bytes = socket_.readAll();
        std::vector<std::string> messages;
        framer_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     messages);
        for (const std::string& m : messages)
            handle(m);
    }
    void handle(const std::string& message) {
        const auto command = protocol::splitCommand(message);
        if (!command)
            return;
        const auto id = protocol::lookup(protocol::Direction::ToClient, command->word);
        if (!id)
            return;
        protocol::Reader r(*id, command->args);
        switch (*id) {
            case Msg::SendLoginInfo:
                seat_ = r.number();
                send(protocol::build(Msg::Login, {seat_, "1.0.1", name_}));
                break;
            case Msg::RoundStarting:
                mirror_.clearboard();
                mirror_.firstplay = 1;
                break;
            case Msg::MyTiles:
                if (r.number() != seat_)
                    break;
                while (!r.atListEnd()) {
                    const int slot = r.number();
                    mirror_.seats[seat_].hand[slot] = r.number();
                }
                break;
            case Msg::HisPlay: {
                arrivals_->push_back(clock_->nsecsElapsed());
                const int who = r.number();
                for (int i = 0; i < 3; ++i)
                    r.number();
                while (!r.atListEnd()) {
                    const int slot = r.number();
                    const int tile = r.number();
                    const int row = r.number();
                    const int column = r.number();
                    mirror_.board[row][column] = {tile, tile};
                    if (who == seat_)
                        mirror_.seats[seat_].hand[slot] = 0;
                }
                mirror_.firstplay = 0;
                break;
            }
            case Msg::NextPlayer: {
                const int who = r.number();
                const bool canMove = r.text() == "t";
                if (who == seat_)
                    play(canMove);
                break;
            }
            case Msg::Error:
                send(protocol::build(Msg::Pass, {seat_}));
                break;
            case Msg::Winner:
                won_ = true;
                break;
            default:
                break;
        }
    }
    void play(bool canMove) {
        std::string text;
        if (canMove && mirror_.firstplay == 1) {
            for (int size = 6; size >= 1 && text.empty(); --size) {
                text = mirror_.computergetcolorsets(seat_, size);
                if (text.empty())
                    text = mirror_.computergetshapesets(seat_, size);
            }
            if (!text.empty())
                text = std::to_string(seat_) + text;
        } else if (canMove) {
            text = mirror_.computerchoice(seat_);
        }
        if (text.empty()) {
            send(protocol::build(Msg::Pass, {seat_}));
            return;
        }
        const protocol::Decoded decoded = protocol::decode(Msg::Play, text);
        std::vector<protocol::Values> groups;
        for (const auto& g : decoded.groups) {
            groups.push_back({std::stoi(g[0]), std::stoi(g[1]), std::stoi(g[2])});
        }
        arrivals_->clear();
        *playSentAt_ = clock_->nsecsElapsed();
        send(protocol::build(Msg::Play, {seat_}, groups));
    }

    std::string name_;
    std::int64_t* playSentAt_;
    std::vector<std::int64_t>* arrivals_;
    QElapsedTimer* clock_;
    QTcpSocket socket_;
    protocol::Framer framer_;
    int seat_ = 0;
    bool won_ = false;
    engine::VirtualOutlet outlet_;
    engine::Random random_{1};
    engine::Host mirror_;
};

double percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(index, v.size() - 1)];
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The headless host in its own process, as players meet it; returns its port or 0.
quint16 startHost(QProcess& process) {
    process.setProgram(QStringLiteral(HEXALINE_HOST_BIN));
    process.setArguments({"--port", "0", "--second-ms", "20", "--bot-speed", "20"});
    process.start();
    QString out;
    quint16 port = 0;
    pump(
        [&] {
            out += QString::fromUtf8(process.readAllStandardOutput());
            const auto match = QRegularExpression("listening on port (\\d+)").match(out);
            if (match.hasMatch())
                port = static_cast<quint16>(match.captured(1).toUInt());
            return port != 0;
        },
        10000);
    return port;
}

void BM_PlayRoundTripToFourClients(benchmark::State& state) {
    QProcess process;
    const quint16 port = startHost(process);
    if (port == 0) {
        state.SkipWithError("the host did not start");
        return;
    }
    QElapsedTimer clock;
    clock.start();
    std::int64_t sentAt = 0;
    std::vector<std::int64_t> arrivals;
    std::vector<std::unique_ptr<Player>> players;
    for (int i = 1; i <= 4; ++i) {
        players.push_back(
            std::make_unique<Player>("P" + std::to_string(i), &sentAt, &arrivals, &clock));
        players.back()->connectTo(port);
        pump([&] { return players.back()->seat() != 0; }, 5000);
    }
    std::vector<double> samples;
    for (auto _ : state) {
        for (auto& p : players)
            p->reset();
        players[0]->send(protocol::build(Msg::StartGame, {"P1", "60", "30"}));
        pump(
            [&] {
                if (arrivals.size() == 4) {
                    samples.push_back(static_cast<double>(arrivals.back() - sentAt) / 1e6);
                    arrivals.clear();
                }
                return players[0]->won();
            },
            120000);
    }
    state.counters["plays"] = static_cast<double>(samples.size());
    state.counters["p50_ms"] = percentile(samples, 0.50);
    state.counters["p99_ms"] = percentile(samples, 0.99);
    state.counters["max_ms"] = percentile(samples, 1.0);
    process.terminate();
    process.waitForFinished(5000);
}
BENCHMARK(BM_PlayRoundTripToFourClients)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_IdleHostCpu(benchmark::State& state) {
    engine::Random random(7);
    session::HostService host(random, {});
    if (!host.listen(0)) {
        state.SkipWithError("cannot listen");
        return;
    }
    std::int64_t sentAt = 0;
    std::vector<std::int64_t> arrivals;
    QElapsedTimer clock;
    std::vector<std::unique_ptr<Player>> players;
    for (int i = 1; i <= 4; ++i) {
        players.push_back(
            std::make_unique<Player>("P" + std::to_string(i), &sentAt, &arrivals, &clock));
        players.back()->connectTo(host.port());
        pump([&] { return players.back()->seat() != 0; }, 5000);
    }
    idle(200);  // let the logins settle
    double cpu = 0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        idle(3000);
        cpu = cpuSeconds() - before;
    }
    state.counters["cpu_ms_in_3s"] = cpu * 1000;
    state.counters["dispatch_timer_running"] = host.link().isTicking() ? 1 : 0;
}
BENCHMARK(BM_IdleHostCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
