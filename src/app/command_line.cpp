// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

namespace hexaline::app {

namespace {

bool takeValue(const QStringList& args, qsizetype& i, const QString& name, QString& value,
               QString& error) {
    const QString& arg = args[i];
    if (arg.startsWith(name + '=')) {
        value = arg.mid(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        error = QStringLiteral("%1 needs a value").arg(name);
        return false;
    }
    value = args[++i];
    return true;
}

bool isOption(const QString& arg, const QString& name) {
    return arg == name || arg.startsWith(name + '=');
}

}  // namespace

CommandLine parseCommandLine(const QStringList& args) {
    CommandLine result;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith(QStringLiteral("-"))) {
            result.positional << arg;
        } else if (arg == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            result.help = true;
        } else if (arg == QStringLiteral("--version")) {
            result.version = true;
        } else if (isOption(arg, QStringLiteral("--port"))) {
            QString value;
            if (!takeValue(args, i, QStringLiteral("--port"), value, result.error))
                break;
            bool ok = false;
            const uint port = value.toUInt(&ok);
            if (!ok || port > 65535) {
                result.error = QStringLiteral("--port needs a number from 0 to 65535");
                break;
            }
            result.port = static_cast<std::uint16_t>(port);
        } else if (isOption(arg, QStringLiteral("--instance-dir"))) {
            if (!takeValue(args, i, QStringLiteral("--instance-dir"), result.instanceDir,
                           result.error)) {
                break;
            }
            if (result.instanceDir.isEmpty()) {
                result.error = QStringLiteral("--instance-dir needs a folder");
                break;
            }
        } else if (arg.startsWith(QStringLiteral("--"))) {
            result.error = QStringLiteral("unknown option %1").arg(arg);
            break;
        } else {
            result.positional << arg;  // a single dash belongs to the argument, not an option
        }
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
