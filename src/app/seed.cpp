// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/seed.h"

#include <QDateTime>
#include <QTime>

namespace hexaline::app {

namespace {
std::uint32_t storedSeed = 0;
}

std::uint32_t timeOfDaySeed() {
    return static_cast<std::uint32_t>(
        QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

std::uint32_t processSeed() {
    return storedSeed;
}

void setProcessSeed(std::uint32_t seed) {
    storedSeed = seed;
}

}  // namespace hexaline::app
