// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/virtual_outlet.h"

#include "engine/host.h"

namespace hexaline::engine {

void VirtualOutlet::send(int seat, const std::string& message) {
    if (keep)
        sent.push_back({seat, message});
    if (onSend)
        onSend(seat, message);
}

void VirtualOutlet::armBreakTimer() {
    breakArmed_ = true;
    breakNext_ = now_ + 1000;
}

void VirtualOutlet::startComputerTimer(int intervalMs) {
    computerArmed_ = true;
    computerInterval_ = intervalMs > 0 ? intervalMs : 1;
    computerNext_ = now_ + computerInterval_;
}

bool VirtualOutlet::step() {
    if (host_ == nullptr || (!breakArmed_ && !computerArmed_))
        return false;
    const bool computerFirst = computerArmed_ && (!breakArmed_ || computerNext_ <= breakNext_);
    if (computerFirst) {
        now_ = computerNext_;
        computerNext_ += computerInterval_;
        host_->computertimerTimer();
    } else {
        now_ = breakNext_;
        breakNext_ += 1000;
        host_->breakTick();
    }
    return true;
}

void VirtualOutlet::advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    while (true) {
        std::int64_t next = until + 1;
        if (breakArmed_)
            next = breakNext_;
        if (computerArmed_ && computerNext_ < next)
            next = computerNext_;
        if (next > until || !step())
            break;
    }
    now_ = until;
}

}  // namespace hexaline::engine
