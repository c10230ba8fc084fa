// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/dropped_seats.h"

namespace hexaline::session {

namespace {
bool isPlayerSeat(int seat) {
    return seat >= 1 && seat <= DroppedSeats::kPlayerSeats;
}
}  // namespace

void DroppedSeats::dropped(int seat, const std::string& name) {
    // A seat without a name was never logged in: there is nobody to keep it for.
    if (isPlayerSeat(seat) && !name.empty() && !isRemoved(name))
        names_[seat] = name;
}

void DroppedSeats::removed(const std::string& name) {
    if (name.empty())
        return;
    removed_.insert(name);
    for (std::string& kept : names_) {
        if (kept == name)
            kept.clear();
    }
}

void DroppedSeats::forget(int seat) {
    if (isPlayerSeat(seat))
        names_[seat].clear();
}

void DroppedSeats::clear() {
    names_.fill({});
    removed_.clear();
}

int DroppedSeats::seatFor(const std::string& name) const {
    if (name.empty() || isRemoved(name))
        return 0;
    for (int seat = 1; seat <= kPlayerSeats; ++seat) {
        if (names_[seat] == name)
            return seat;
    }
    return 0;
}

}  // namespace hexaline::session
