// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one random generator of the process: a linear congruential generator whose draw takes
// the high half of seed × n.

#include <cstdint>

namespace hexaline::engine {

class Random {
  public:
    explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

    // A uniformly distributed integer in 0..n-1 (0 when n is 0).
    std::uint32_t next(std::uint32_t n);

    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }

    // The start-up seed: milliseconds since midnight UTC.
    static std::uint32_t seedFromTimeOfDay(int hours, int minutes, int seconds, int millis);

  private:
    std::uint32_t seed_;
};

}  // namespace hexaline::engine
