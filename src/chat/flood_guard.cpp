// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/flood_guard.h"

namespace hexaline::chat {

FloodGuard::FloodGuard(Clock now) : now_(std::move(now)) {
    if (!now_) {
        monotonic_.start();
        now_ = [this] { return monotonic_.elapsed(); };
    }
}

bool FloodGuard::ready() const {
    return !sentOnce_ || now_() - lastSent_ >= kIntervalMs;
}

void FloodGuard::sent() {
    sentOnce_ = true;
    lastSent_ = now_();
}

}  // namespace hexaline::chat
