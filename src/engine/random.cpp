// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/random.h"

namespace hexaline::engine {

std::uint32_t Random::next(std::uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

std::uint32_t Random::seedFromTimeOfDay(int hours, int minutes, int seconds, int millis) {
    return static_cast<std::uint32_t>(((hours * 60 + minutes) * 60 + seconds) * 1000 + millis);
}

}  // namespace hexaline::engine
