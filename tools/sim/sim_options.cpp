// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim_options.h"

#include <QCommandLineParser>
#include <QHash>
#include <algorithm>
#include <string>
#include <vector>

#include "protocol/reader.h"

namespace hexaline::sim {

namespace {

using engine::BotLevel;

// "strong,best" added to `out`; false when a name is unknown or there are not 2..4 in all.
bool readLevels(const std::string& text, std::vector<BotLevel>& out) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto level = engine::parsebotlevel(text.substr(start, comma - start));
        if (!level)
            return false;
        out.push_back(*level);
        start = comma + 1;
    }
    return out.size() >= 2 && out.size() <= 4;
}

}  // namespace

SimCommand parseSimCommand(const QStringList& arguments) {
    SimCommand command;
    const QStringList names = {QStringLiteral("--games"),  QStringLiteral("--seed"),
                               QStringLiteral("--seats"),  QStringLiteral("--playto"),
                               QStringLiteral("--levels"), QStringLiteral("--help"),
                               QStringLiteral("--version")};
    // --help and --version answer at once when all before them is right; what follows them is
    // not read. No value starts with "--", so the first of them is never a value.
    qsizetype end = arguments.size();
    for (qsizetype i = 1; i < end; ++i) {
        if (arguments[i] == names[5] || arguments[i] == names[6])
            end = i;
    }
    const QStringList line = arguments.mid(0, end);
    // Every word that starts with "--" is an option's whole name: "--" and "--games=N" are
    // wrong, as is every positional argument.
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i].startsWith(QStringLiteral("--")) && !names.contains(line[i]))
            return command;
    }
    QCommandLineParser parser;
    const QString number = QStringLiteral("N");
    parser.addOptions({{QStringLiteral("games"), {}, number},
                       {QStringLiteral("seed"), {}, number},
                       {QStringLiteral("seats"), {}, number},
                       {QStringLiteral("playto"), {}, number},
                       {QStringLiteral("levels"), {}, QStringLiteral("L1,L2,...")}});
    if (!parser.parse(line) || !parser.positionalArguments().isEmpty())
        return command;

    // In the order given: the first bad value makes the line wrong.
    MatchOptions& options = command.options;
    bool gamesGiven = false;
    bool seatsGiven = false;
    QHash<QString, qsizetype> taken;  // values of each option used so far
    for (const QString& name : parser.optionNames()) {
        const std::string value = parser.values(name).at(taken[name]++).toStdString();
        if (name == QStringLiteral("levels")) {
            if (!readLevels(value, options.levels))
                return command;
            continue;
        }
        const auto n = protocol::parseNumber(value);
        if (!n)
            return command;
        if (name == QStringLiteral("games") && *n >= 0) {
            options.games = *n;
            gamesGiven = true;
        } else if (name == QStringLiteral("seed")) {
            options.seed = static_cast<std::uint32_t>(*n);
        } else if (name == QStringLiteral("seats") && *n >= 2 && *n <= 4) {
            options.seats = *n;
            seatsGiven = true;
        } else if (name == QStringLiteral("playto")) {
            options.playto = *n;
        } else {
            return command;
        }
    }
    if (end < arguments.size()) {
        command.action = arguments[end] == names[5] ? SimCommand::Action::Help
                                                    : SimCommand::Action::Version;
        return command;
    }
    if (!gamesGiven)
        return command;
    if (!options.levels.empty()) {
        const int n = static_cast<int>(options.levels.size());
        if (seatsGiven && options.seats != n)
            return command;
        options.seats = n;
    }
    command.action = SimCommand::Action::Play;
    return command;
}

const char* simUsage() {
    return "usage: hexaline-sim --games N [--seed S] [--seats 2..4] [--playto P]\n"
           "                    [--levels L1,L2,...]   (normal, strong or best; one a seat)\n"
           "       hexaline-sim --help | --version\n";
}

}  // namespace hexaline::sim
