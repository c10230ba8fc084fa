// SPDX-License-Identifier: GPL-3.0-or-later
// hexaline-host: a game host without a window. The first connection takes seat 1 and acts as
// the hosting user.
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QTime>
#include <csignal>
#include <cstdio>
#include <memory>

#include "engine/random.h"
#include "host/announce.h"
#include "host/host_service.h"
#include "host_options.h"
#include "protocol/version.h"
#include "web/web_address.h"
#include "web/web_server.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

void printLine(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("hexaline-host");

    const hexaline::tools::HostOptions options = hexaline::tools::parseHostOptions(app.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n\n%s", options.error.toUtf8().constData(),
                     hexaline::tools::hostUsage().toUtf8().constData());
        return 2;
    }
    if (options.help) {
        std::fputs(hexaline::tools::hostUsage().toUtf8().constData(), stdout);
        return 0;
    }
    if (options.version) {
        printLine("hexaline-host " + QString::fromLatin1(hexaline::protocol::kVersion));
        return 0;
    }

    const QTime now = QDateTime::currentDateTimeUtc().time();
    hexaline::engine::Random random(hexaline::engine::Random::seedFromTimeOfDay(
        now.hour(), now.minute(), now.second(), now.msec()));

    hexaline::session::HostService::Options serviceOptions;
    serviceOptions.secondMs = options.secondMs;
    serviceOptions.perAddress = options.perAddress;
    const int botSpeed = options.botSpeedMs;
    serviceOptions.botSpeed = [botSpeed] { return botSpeed; };
    serviceOptions.log = printLine;
    serviceOptions.alert = [](const QString& text) { printLine("alert: " + text); };
    hexaline::session::HostService host(random, serviceOptions);
    host.session().setbotlevel(options.botLevel);
    const std::string_view level = hexaline::engine::botlevelname(options.botLevel);
    printLine(QStringLiteral("computer level: ") +
              QString::fromUtf8(level.data(), static_cast<qsizetype>(level.size())));

    if (!host.listen(options.port)) {
        std::fprintf(stderr, "%s (port %u)\n", host.errorText().toUtf8().constData(),
                     static_cast<unsigned>(options.port));
        return 1;
    }

    // The browser client, only when asked.
    std::unique_ptr<hexaline::web::WebServer> web;
    if (options.webPort >= 0) {
        web = std::make_unique<hexaline::web::WebServer>(host.link());
        web->setLog(printLine);
        if (!options.webCert.isEmpty() && !web->useTls(options.webCert, options.webKey)) {
            std::fprintf(stderr, "%s\n", web->errorText().toUtf8().constData());
            return 1;
        }
        if (!web->listen(static_cast<std::uint16_t>(options.webPort))) {
            std::fprintf(stderr, "%s (web port %d)\n", web->errorText().toUtf8().constData(),
                         options.webPort);
            return 1;
        }
        printLine(QStringLiteral("serving the web page on port %1: %2")
                      .arg(web->port())
                      .arg(hexaline::web::shareAddress(web->port(), web->isSecure())));
    }

    // Only when asked: a headless host is often a private or test game.
    hexaline::session::HostAnnouncer announcer(host, QStringLiteral("hexaline-host"),
                                               QString::fromLatin1(hexaline::protocol::kVersion));
    if (options.announce) {
        announcer.start();
        printLine(QStringLiteral("announcing on the local network"));
    }

    // SIGINT and SIGTERM end the event loop from inside it.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return 1;
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        printLine(QStringLiteral("shutting down"));
        QCoreApplication::quit();
    });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    const int status = app.exec();
    announcer.stop();
    host.closeAll();
    QCoreApplication::processEvents();
    return status;
}
