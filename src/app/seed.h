// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seed of the process's one random generator, taken from the clock at start-up.

#include <cstdint>

namespace hexaline::app {

// Milliseconds since midnight, UTC.
std::uint32_t timeOfDaySeed();

// The seed taken when the main window was created; 0 before.
std::uint32_t processSeed();
void setProcessSeed(std::uint32_t seed);

}  // namespace hexaline::app
