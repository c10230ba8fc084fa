// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An outlet on a virtual clock for tests and the simulator: it keeps what was sent and shown,
// and runs the two timers' ticks in time order without waiting.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/outlet.h"

namespace hexaline::engine {

class Host;

class VirtualOutlet : public EngineOutlet {
  public:
    struct Sent {
        int seat;
        std::string message;  // terminator included
    };

    void attach(Host& host) { host_ = &host; }

    void send(int seat, const std::string& message) override;
    void armBreakTimer() override;
    void stopBreakTimer() override { breakArmed_ = false; }
    void startComputerTimer(int intervalMs) override;
    void stopComputerTimer() override { computerArmed_ = false; }
    int botSpeed() override { return speed; }
    void alert(const std::string& text) override { alerts.push_back(text); }

    // Runs the next timer tick, advancing the clock to it; false when no timer runs.
    bool step();
    // Runs every tick due within the next `ms` milliseconds and moves the clock on by `ms`.
    void advance(std::int64_t ms);

    std::int64_t now() const { return now_; }
    bool breakArmed() const { return breakArmed_; }
    bool computerArmed() const { return computerArmed_; }
    int computerInterval() const { return computerInterval_; }

    int speed = 1000;
    bool keep = true;  // keep sent messages in `sent`
    std::vector<Sent> sent;
    std::vector<std::string> alerts;
    std::function<void(int seat, const std::string& message)> onSend;

  private:
    Host* host_ = nullptr;
    std::int64_t now_ = 0;
    bool breakArmed_ = false;
    std::int64_t breakNext_ = 0;
    bool computerArmed_ = false;
    int computerInterval_ = 0;
    std::int64_t computerNext_ = 0;
};

}  // namespace hexaline::engine
