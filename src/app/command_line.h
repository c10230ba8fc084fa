// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: options first taken out, the rest are the positional
// arguments of a launch (player name, host address, "true" to host).

#include <QString>
#include <QStringList>
#include <cstdint>

namespace hexaline::app {

inline constexpr std::uint16_t kGamePort = 7772;

struct CommandLine {
    std::uint16_t port = kGamePort;  // listening and connecting; 0 listens on any free port
    QString instanceDir;             // folder of the single-instance key; empty: the default
    bool help = false;
    bool version = false;
    QStringList positional;
    QString error;  // not empty when the command line cannot be used
};

// `args` without the program name. Recognised: --port N, --instance-dir DIR (also written
// --port=N, --instance-dir=DIR), --help (-h), --version, and "--" after which everything is
// positional. Anything else that starts with "--" is an error; all other arguments are
// positional and keep their order.
CommandLine parseCommandLine(const QStringList& args);

QString usageText();

}  // namespace hexaline::app
