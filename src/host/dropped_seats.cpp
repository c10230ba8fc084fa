// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/dropped_seats.h"

namespace hexaline::session {

using protocol::isPlayerSeat;
using protocol::kPlayerSeats;

void DroppedSeats::dropped(int seat, const std::string& name, const std::string& address) {
    // A seat without a name was never logged in: there is nobody to keep it for.
    if (isPlayerSeat(seat) && !name.empty() && !isRemoved(name, address))
        kept_[seat] = {name, address};
}

void DroppedSeats::removed(const std::string& name, const std::string& address) {
    if (!name.empty())
        removedNames_.insert(name);
    if (!address.empty())
        removedAddresses_.insert(address);
    for (Kept& kept : kept_) {
        if (!kept.name.empty() && isRemoved(kept.name, kept.address))
            kept = {};
    }
}

void DroppedSeats::forget(int seat) {
    if (isPlayerSeat(seat))
        kept_[seat] = {};
}

void DroppedSeats::clear() {
    kept_.fill({});
    removedNames_.clear();
    removedAddresses_.clear();
}

int DroppedSeats::seatFor(const std::string& name, const std::string& address) const {
    if (name.empty() || isRemoved(name, address))
        return 0;
    for (int seat = 1; seat <= kPlayerSeats; ++seat) {
        if (kept_[seat].name == name && kept_[seat].address == address)
            return seat;
    }
    return 0;
}

bool DroppedSeats::isKeptFromElsewhere(int seat, const std::string& address) const {
    return isPlayerSeat(seat) && !kept_[seat].name.empty() && kept_[seat].address != address;
}

bool DroppedSeats::isRemoved(const std::string& name, const std::string& address) const {
    return removedNames_.count(name) != 0 ||
           (!address.empty() && removedAddresses_.count(address) != 0);
}

}  // namespace hexaline::session
