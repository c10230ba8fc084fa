// SPDX-License-Identifier: GPL-3.0-or-later
#include "host_options.h"

#include <QCommandLineParser>
#include <QHash>

namespace hexaline::tools {

namespace {

// The options that take a value, and what each needs.
struct Valued {
    const char* name;
    int low;
    int high;
};
constexpr Valued kNumbers[] = {{"port", 0, 65535},
                               {"web", 0, 65535},
                               {"bot-speed", 1, 600000},
                               {"second-ms", 1, 600000},
                               {"per-address", 0, 1000}};
const QStringList kFiles = {QStringLiteral("web-cert"), QStringLiteral("web-key")};
const QString kLevel = QStringLiteral("bot-level");
const QStringList kFlags = {QStringLiteral("help"), QStringLiteral("h"), QStringLiteral("version"),
                            QStringLiteral("announce")};

const Valued* numberOption(const QString& name) {
    for (const Valued& option : kNumbers) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

bool takesValue(const QString& name) {
    return numberOption(name) || kFiles.contains(name) || name == kLevel;
}

QString needs(const QString& name) {
    const QString word = "--" + name;
    if (const Valued* number = numberOption(name)) {
        return word + " needs a number from " + QString::number(number->low) + " to " +
               QString::number(number->high);
    }
    return word + (name == kLevel ? " needs normal, strong or best" : " needs a file");
}

// The option's name in a word: "--port" gives "port", "-h" gives "h"; anything else (a word
// without a dash, "--", "--port=5", "-hx") is not an option of this program.
QString optionName(const QString& word) {
    if (word == QLatin1String("-h"))
        return QStringLiteral("h");
    if (!word.startsWith(QLatin1String("--")))
        return {};
    const QString name = word.mid(2);
    return (kFlags.contains(name) && name != QLatin1String("h")) || takesValue(name) ? name
                                                                                     : QString();
}

// Reads one option's value into the options; false when it is wrong.
bool apply(const QString& name, const QString& value, HostOptions& options) {
    if (name == kLevel) {
        const auto level = engine::parsebotlevel(value.toStdString());
        if (level)
            options.botLevel = *level;
        return level.has_value();
    }
    if (kFiles.contains(name)) {
        (name == kFiles[0] ? options.webCert : options.webKey) = value;
        return !value.isEmpty();
    }
    const Valued* number = numberOption(name);
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < number->low || n > number->high)
        return false;
    if (name == QLatin1String("port"))
        options.port = static_cast<std::uint16_t>(n);
    else if (name == QLatin1String("web"))
        options.webPort = n;
    else if (name == QLatin1String("bot-speed"))
        options.botSpeedMs = n;
    else if (name == QLatin1String("second-ms"))
        options.secondMs = n;
    else
        options.perAddress = n;
    return true;
}

}  // namespace

HostOptions parseHostOptions(const QStringList& arguments) {
    HostOptions options;
    // The first word that is not an option, or an option without its value, is reported as
    // typed.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString name = optionName(arguments[i]);
        if (name.isEmpty()) {
            options.error = "unknown argument: " + arguments[i];
            return options;
        }
        if (takesValue(name) && ++i >= arguments.size()) {
            options.error = needs(name);
            return options;
        }
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& flag : kFlags)
        parser.addOption(QCommandLineOption(flag));
    for (const Valued& number : kNumbers)
        parser.addOption(QCommandLineOption(QLatin1String(number.name), {}, QStringLiteral("N")));
    parser.addOption(QCommandLineOption(kLevel, {}, QStringLiteral("L")));
    for (const QString& file : kFiles)
        parser.addOption(QCommandLineOption(file, {}, QStringLiteral("FILE")));
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }

    // In the order given: the first wrong value makes the line wrong.
    QHash<QString, qsizetype> taken;
    for (const QString& name : parser.optionNames()) {
        if (name == QLatin1String("help") || name == QLatin1String("h")) {
            options.help = true;
        } else if (name == QLatin1String("version")) {
            options.version = true;
        } else if (name == QLatin1String("announce")) {
            options.announce = true;
        } else if (!apply(name, parser.values(name).at(taken[name]++), options)) {
            options.error = needs(name);
            return options;
        }
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
