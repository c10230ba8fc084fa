// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>

namespace hexaline::app {

namespace {

const QStringList kValued = {QStringLiteral("port"), QStringLiteral("instance-dir")};
const QStringList kFlags = {QStringLiteral("help"), QStringLiteral("h"), QStringLiteral("version")};

}  // namespace

CommandLine parseCommandLine(const QStringList& args) {
    CommandLine result;
    // The options and their values go to the parser; every other word, a single dash's too,
    // is positional and keeps its order, as is everything after "--".
    QStringList options{QStringLiteral("hexaline")};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--")) {
            result.positional << args.mid(i + 1);
            break;
        }
        if (!arg.startsWith(QStringLiteral("--")) && arg != QStringLiteral("-h")) {
            result.positional << arg;
            continue;
        }
        const QString name =
            arg.mid(arg.startsWith(QStringLiteral("--")) ? 2 : 1).section('=', 0, 0);
        const bool flag =
            kFlags.contains(name) && !arg.contains('=') && arg != QStringLiteral("--h");
        if (!kValued.contains(name) && !flag) {
            result.error = QStringLiteral("unknown option %1").arg(arg);
            return result;
        }
        options << arg;
        if (kValued.contains(name) && !arg.contains('=')) {
            if (i + 1 >= args.size()) {
                result.error = QStringLiteral("--%1 needs a value").arg(name);
                return result;
            }
            options << args[++i];
        }
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& flag : kFlags)
        parser.addOption(QCommandLineOption(flag));
    parser.addOption(QCommandLineOption(kValued[0], {}, QStringLiteral("N")));
    parser.addOption(QCommandLineOption(kValued[1], {}, QStringLiteral("DIR")));
    if (!parser.parse(options)) {
        result.error = parser.errorText();
        return result;
    }
    result.help = parser.isSet(kFlags[0]) || parser.isSet(kFlags[1]);
    result.version = parser.isSet(kFlags[2]);
    for (const QString& value : parser.values(kValued[0])) {
        bool ok = false;
        const uint port = value.toUInt(&ok);
        if (!ok || port > 65535) {
            result.error = QStringLiteral("--port needs a number from 0 to 65535");
            return result;
        }
        result.port = static_cast<std::uint16_t>(port);
    }
    for (const QString& folder : parser.values(kValued[1])) {
        if (folder.isEmpty()) {
            result.error = QStringLiteral("--instance-dir needs a folder");
            return result;
        }
        result.instanceDir = folder;
    }
    return result;
}

QString usageText() {
    return QStringLiteral(
        "Usage: hexaline [options] [name address true|other]\n"
        "\n"
        "  no arguments          play a solo game against the computer\n"
        "  name address true     host a game as <name>\n"
        "  name address other    join the game hosted at <address> as <name>\n"
        "\n"
        "Options:\n"
        "  --port N              game port for hosting and joining (default 7772)\n"
        "  --instance-dir DIR    folder of the single-instance key and the game marker\n"
        "                        (default: the user's runtime folder)\n"
        "  --help                show this text\n"
        "  --version             show the version\n");
}

}  // namespace hexaline::app
