// SPDX-License-Identifier: GPL-3.0-or-later
// hexaline-window-memory: the game window's memory while a hostile host floods it. The real
// window, put together as the program does, joins a host that this tool runs itself on
// 127.0.0.1; the host sends a random mix of every message the client understands, as fast as
// the window handles them, with malformed fields in the last third of every 15 seconds. Every
// second it prints the process's resident memory, and at the end the figures of the run.
//
// With --markup-names the names and chat lines mostly look like markup (a picture of
// /dev/zero, bold, entities), and a user keeps the tally and spy list open, ticks every player
// in the tally and selects each tallied entry in turn, where such a name is shown.
//
//   hexaline-window-memory [--seconds S] [--warmup S] [--seed N] [--quiet] [--warnings]
//                          [--markup-names]
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/connect_failure.h"
#include "app/game_client.h"
#include "app/main_window.h"
#include "app/side_windows.h"
#include "app/table_sessions.h"
#include "chat/chat.h"
#include "chat/chat_area.h"
#include "chat/chat_log.h"
#include "text/settings/settings_location.h"
#include "tools/measure/hostile_host.h"
#include "windows/about/about_form.h"
#include "windows/gamestart_form.h"
#include "windows/help/help_form.h"
#include "windows/lobby/download_form.h"
#include "windows/spy/spy_list_form.h"
#include "windows/tally/tally_list_form.h"

using namespace hexaline;

namespace {

constexpr int kCycleS = 15;      // every cycle ends in malformed fields
constexpr int kMalformedS = 5;   // for this long
constexpr double kMiB = 1024.0;  // VmRSS is in KiB
constexpr int kStallS = 30;      // a window that answers no batch for this long has stopped

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

int option(const QStringList& args, const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

struct Sample {
    double seconds;
    long kib;
};

// Least-squares slope of the samples from `from` seconds on, in MiB per minute.
double growthPerMinute(const std::vector<Sample>& samples, double from) {
    double n = 0, st = 0, sm = 0, stt = 0, stm = 0;
    for (const Sample& s : samples) {
        if (s.seconds < from)
            continue;
        const double m = double(s.kib) / kMiB;
        n += 1;
        st += s.seconds;
        sm += m;
        stt += s.seconds * s.seconds;
        stm += s.seconds * m;
    }
    const double d = n * stt - st * st;
    return n < 2 || d == 0 ? 0 : 60 * (n * stm - st * sm) / d;
}

long warnings = 0;
bool showWarnings = false;
void countMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    ++warnings;  // the window's warnings about the host's bad fields: thousands a second
    if (showWarnings)
        std::fprintf(stderr, "%s\n", qPrintable(text.left(200)));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // "Game is full" closes the window
    const QStringList args = QApplication::arguments();
    const int seconds = std::max(2, option(args, "--seconds", 60));
    const int warmup = std::clamp(option(args, "--warmup", 5), 0, seconds - 1);
    const unsigned seed = static_cast<unsigned>(option(args, "--seed", 1));
    const bool quiet = args.contains("--quiet");
    showWarnings = args.contains("--warnings");

    // The settings and the tally go to a folder of their own, never the user's.
    QTemporaryDir dir;
    settings::setSettingsFilePath(dir.filePath(QStringLiteral("orviklobby.ini")));
    qInstallMessageHandler(countMessage);

    measure::HostileHost host(seed);
    const quint16 port = host.listen();
    if (port == 0) {
        std::fprintf(stderr, "the hostile host could not listen\n");
        return 1;
    }

    // The window and its side windows, as the program puts them together.
    app::MainWindow chatform(
        {.arguments = {"Measured", "127.0.0.1", "false"}, .port = port, .lobbyPort = 0});
    about::AboutForm about(&chatform);
    lobby::DownloadForm download(&chatform);
    windows::GameStartForm gamestart(&chatform);
    help::HelpForm help(&chatform);
    app::TableSessions sessions(chatform, gamestart);
    spy::SpyListForm spylist(&chatform);
    tally::TallyListForm tallylist(dir.filePath(QStringLiteral("tally.dat")), &chatform);
    const app::SideWindows side{about, download, help, spylist, tallylist};
    app::connectSideWindows(chatform, side);
    sessions.setClientMade(
        [side](app::GameClient& client) { app::attachSideWindows(client, side); });
    chatform.show();
    QObject::connect(&chatform.sock(), &transport::ClientLink::info, [](int, const QString& text) {
        std::fprintf(stderr, "the window's connection: %s\n", qPrintable(text));
    });
    QObject::connect(&chatform.sock(), &transport::ClientLink::failed,
                     [](QAbstractSocket::SocketError error) {
                         std::fprintf(stderr, "the window's connection: %s\n",
                                      qPrintable(app::socketErrorText(error)));
                     });

    // A user who answers every box at once and opens the window again after "Game is full".
    int reopened = 0;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
        if (!chatform.isVisible()) {
            ++reopened;
            chatform.show();
        }
    });
    user.start(20);

    // The tally and the spy list, open and in use, in the markup mode.
    const bool markupNames = args.contains("--markup-names");
    host.setMarkupNames(markupNames);
    QTimer tallyUser;
    int selected = 0;
    QObject::connect(&tallyUser, &QTimer::timeout, [&] {
        if (!tallylist.isVisible())
            chatform.findChild<QAction*>(QStringLiteral("ViewTally1"))->trigger();
        if (!spylist.isVisible())
            chatform.findChild<QAction*>(QStringLiteral("SpyList1"))->trigger();
        auto* checklist = tallylist.findChild<QListWidget*>(QStringLiteral("checklist"));
        for (int i = 0; checklist && i < checklist->count(); ++i)
            checklist->item(i)->setCheckState(Qt::Checked);
        auto* tallied = tallylist.findChild<QListWidget*>(QStringLiteral("listbox_tally"));
        if (tallied && tallied->count() > 0)
            tallied->setCurrentRow(selected++ % tallied->count());
        tallylist.repaint();
        spylist.repaint();
    });
    if (markupNames)
        tallyUser.start(100);

    QElapsedTimer clock;
    clock.start();
    std::vector<Sample> samples;
    long startKiB = 0, maxKiB = 0;
    long lastSent = 0;
    int stalled = 0;
    host.malformed = [&] { return (clock.elapsed() / 1000) % kCycleS >= kCycleS - kMalformedS; };
    host.setFlooding(true);

    if (!quiet)
        std::printf("%7s %10s %9s %8s %10s %12s %10s\n", "seconds", "messages", "per_s", "rss_MiB",
                    "chat_lines", "chat_formats", "spectators");
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const double t = double(clock.elapsed()) / 1000;
        const long kib = residentKiB();
        const long sent = host.messagesSent();
        stalled = sent == lastSent ? stalled + 1 : 0;
        if (t >= warmup) {
            if (samples.empty())
                startKiB = kib;
            samples.push_back({t, kib});
            maxKiB = std::max(maxKiB, kib);
        }
        if (!quiet) {
            app::GameClient& client = sessions.client();
            const chat::ChatLog& log = *client.chat().area().mainchat;
            std::printf("%7.1f %10ld %9ld %8.1f %10d %12d %10zu\n", t, sent, sent - lastSent,
                        double(kib) / kMiB, log.lineCount(), log.formatCount(),
                        client.model().spectators().size());
            std::fflush(stdout);
        }
        lastSent = sent;
        if (t >= seconds || stalled >= kStallS)
            app.quit();
    });
    sampler.start(1000);
    app.exec();
    host.setFlooding(false);

    const double duration = double(clock.elapsed()) / 1000;
    const double half = warmup + (duration - warmup) / 2;
    const long endKiB = samples.empty() ? residentKiB() : samples.back().kib;
    long halfKiB = startKiB;
    for (const Sample& s : samples) {
        if (s.seconds <= half)
            halfKiB = s.kib;
    }
    std::printf("\nduration                 %.1f s (warm-up %d s)\n", duration, warmup);
    std::printf("messages sent            %ld (%.0f a second, %.1f MiB)\n", host.messagesSent(),
                double(host.messagesSent()) / duration, double(host.bytesSent()) / kMiB / kMiB);
    std::printf("of each kind            ");
    for (const protocol::MessageLayout& m : protocol::messageTable()) {
        if (m.direction == protocol::Direction::ToClient)
            std::printf(" %.*s %ld", int(m.word.size() - 4), m.word.data() + 4,
                        host.mix().made()[static_cast<std::size_t>(m.id)]);
    }
    std::printf("\n");
    std::printf("rss at start             %.1f MiB\n", double(startKiB) / kMiB);
    std::printf("rss at half-time         %.1f MiB\n", double(halfKiB) / kMiB);
    std::printf("rss at end               %.1f MiB\n", double(endKiB) / kMiB);
    std::printf("rss maximum              %.1f MiB\n", double(maxKiB) / kMiB);
    std::printf("growth, last half        %+.2f MiB (%+.2f MiB a minute, fitted)\n",
                double(endKiB - halfKiB) / kMiB, growthPerMinute(samples, half));
    std::printf("window reopened          %d times after \"Game is full\"\n", reopened);
    std::printf("connections              %d; warnings %ld\n", host.connections(), warnings);
    if (stalled >= kStallS) {
        transport::ClientLink& link = chatform.sock();
        std::printf("the window stopped answering the host (%s, %zu messages waiting)\n",
                    link.isConnected() ? "connected" : "not connected", link.queue().size());
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible())
                std::printf("  open: %s \"%s\"%s\n", top->metaObject()->className(),
                            qPrintable(top->windowTitle()),
                            top == QApplication::activeModalWidget() ? " (modal)" : "");
        }
        return 1;
    }
    return 0;
}
