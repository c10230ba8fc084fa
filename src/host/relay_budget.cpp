// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/relay_budget.h"

#include <algorithm>

namespace hexaline::session {

void RelayBudget::refill(std::int64_t nowMs) {
    if (messages_ < 0) {
        messages_ = limits_.messageBurst;
        bytes_ = limits_.byteBurst;
        lastMs_ = nowMs;
        return;
    }
    if (nowMs <= lastMs_)
        return;  // a clock that stands still or steps back refills nothing
    const double seconds = static_cast<double>(nowMs - lastMs_) / 1000.0;
    lastMs_ = nowMs;
    messages_ = std::min(limits_.messageBurst, messages_ + seconds * limits_.messagesPerSecond);
    bytes_ = std::min(limits_.byteBurst, bytes_ + seconds * limits_.bytesPerSecond);
}

RelayBudget::Verdict RelayBudget::spend(std::int64_t nowMs, std::size_t bytes) {
    refill(nowMs);
    const auto size = static_cast<double>(bytes);
    if (messages_ >= 1 && bytes_ >= size) {
        messages_ -= 1;
        bytes_ -= size;
        dropped_ = 0;
        return Verdict::Relay;
    }
    return ++dropped_ == 1 ? Verdict::DropFirstOfBurst : Verdict::Drop;
}

double RelayBudget::messagesLeft(std::int64_t nowMs) {
    refill(nowMs);
    return messages_;
}

}  // namespace hexaline::session
