// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phrase buttons' flood guard: one phrase per two seconds of clock time.

#include <QElapsedTimer>
#include <cstdint>
#include <functional>

namespace hexaline::chat {

class FloodGuard {
  public:
    static constexpr std::int64_t kIntervalMs = 2000;
    using Clock = std::function<std::int64_t()>;  // milliseconds from any fixed point

    explicit FloodGuard(Clock now = {});
    // A phrase may be sent now.
    bool ready() const;
    // A phrase was sent now.
    void sent();

  private:
    Clock now_;
    QElapsedTimer monotonic_;
    bool sentOnce_ = false;
    std::int64_t lastSent_ = 0;
};

}  // namespace hexaline::chat
