// SPDX-License-Identifier: GPL-3.0-or-later
#include "host_options.h"

namespace hexaline::tools {

namespace {

// A whole number in [low, high], or nothing.
bool readNumber(const QString& text, int low, int high, int& out) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return false;
    out = value;
    return true;
}

}  // namespace

HostOptions parseHostOptions(const QStringList& arguments) {
    HostOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        if (arg == "--version") {
            options.version = true;
            continue;
        }
        if (arg == "--announce") {
            options.announce = true;
            continue;
        }
        if (arg == "--web-cert" || arg == "--web-key") {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                options.error = arg + " needs a file";
                return options;
            }
            (arg == "--web-cert" ? options.webCert : options.webKey) = arguments[++i];
            continue;
        }
        if (arg == "--bot-level") {
            const auto level = i + 1 < arguments.size()
                                   ? engine::parsebotlevel(arguments[i + 1].toStdString())
                                   : std::nullopt;
            if (!level) {
                options.error = arg + " needs normal, strong or best";
                return options;
            }
            options.botLevel = *level;
            ++i;
            continue;
        }
        int* target = nullptr;
        int low = 1;
        int high = 0;
        int port = 0;
        if (arg == "--port") {
            target = &port;
            low = 0;  // 0: any free port, announced in the "listening on port" line
            high = 65535;
        } else if (arg == "--web") {
            target = &options.webPort;
            low = 0;
            high = 65535;
        } else if (arg == "--bot-speed") {
            target = &options.botSpeedMs;
            high = 600000;
        } else if (arg == "--second-ms") {
            target = &options.secondMs;
            high = 600000;
        } else if (arg == "--per-address") {
            target = &options.perAddress;
            low = 0;
            high = 1000;
        } else {
            options.error = "unknown argument: " + arg;
            return options;
        }
        if (i + 1 >= arguments.size() || !readNumber(arguments[i + 1], low, high, *target)) {
            options.error = arg + " needs a number from " + QString::number(low) + " to " +
                            QString::number(high);
            return options;
        }
        if (target == &port)
            options.port = static_cast<std::uint16_t>(port);
        ++i;
    }
    if (options.webCert.isEmpty() != options.webKey.isEmpty())
        options.error = "--web-cert and --web-key go together";
    else if (!options.webCert.isEmpty() && options.webPort < 0)
        options.error = "--web-cert and --web-key need --web";
    return options;
}

QString hostUsage() {
    return QStringLiteral(
        "usage: hexaline-host [--port N] [--bot-speed MS] [--bot-level L] [--second-ms MS]\n"
        "                     [--announce] [--per-address N]\n"
        "                     [--web PORT [--web-cert FILE --web-key FILE]]\n"
        "\n"
        "Hosts a game without a window. The first connection takes seat 1 and acts as the\n"
        "hosting user.\n"
        "\n"
        "  --port N         TCP port to listen on, all local addresses (default 7772)\n"
        "  --bot-speed MS   the computer's delay before each move (default 1000)\n"
        "  --bot-level L    how well the computer plays: normal (default), strong or best\n"
        "  --second-ms MS   length of one second of the game's turn clock (default 1000)\n"
        "  --announce       let players on the local network find this game (UDP\n"
        "                   broadcast to port 7773 every 2 seconds)\n"
        "  --per-address N  connections one address may hold at once, 0 for no bound\n"
        "                   (default 4; 127.0.0.1 and ::1 are not bound)\n"
        "  --web PORT       also serve the game to web browsers: the page at\n"
        "                   http://ADDRESS:PORT/ (7773 is usual; 0: any free port)\n"
        "  --web-cert FILE  serve it over https with this PEM certificate ...\n"
        "  --web-key FILE   ... and this PEM private key\n"
        "  --help           show this text\n"
        "  --version        show the version\n");
}

}  // namespace hexaline::tools
