// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks of a host's tables that must hold after every accepted play.

#include <array>
#include <string>

#include "engine/host.h"

namespace hexaline::sim {

// Points each seat has been given by the plays seen so far.
using Tally = std::array<int, engine::kMaxPlayers + 1>;

// An empty text when every invariant holds, else what is wrong.
std::string checkinvariants(const engine::HostTables& host, const Tally& points);

}  // namespace hexaline::sim
