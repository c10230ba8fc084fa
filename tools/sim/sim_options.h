// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of hexaline-sim.

#include <QStringList>

#include "match.h"

namespace hexaline::sim {

struct SimCommand {
    enum class Action { Play, Help, Version, Usage };
    Action action = Action::Usage;  // Usage: the command line is wrong
    MatchOptions options;
};

// `arguments` with the program name first. --games is required; --levels sets the number of
// seats and must agree with --seats when both are given.
SimCommand parseSimCommand(const QStringList& arguments);

// The usage text; after a wrong command line it goes to stderr, for --help to stdout.
const char* simUsage();

}  // namespace hexaline::sim
