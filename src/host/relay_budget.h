// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one connection may have the host pass on to everybody (chat, actions, chatter sounds,
// watch requests): a budget that no person ever meets, refilled with time. Beyond it messages
// are dropped, and the first drop of each burst is reported so that it is logged once.

#include <cstddef>
#include <cstdint>

namespace hexaline::session {

class RelayBudget {
  public:
    struct Limits {
        double messagesPerSecond = 10;
        double messageBurst = 30;
        double bytesPerSecond = 16 * 1024;
        double byteBurst = 16 * 1024;
    };

    enum class Verdict { Relay, Drop, DropFirstOfBurst };

    RelayBudget() = default;
    explicit RelayBudget(Limits limits) : limits_(limits) {}

    // Spends the budget on one message of `bytes` at `nowMs` (a steady clock's milliseconds).
    Verdict spend(std::int64_t nowMs, std::size_t bytes);
    // Messages dropped since the last one that was relayed.
    std::size_t dropped() const { return dropped_; }
    // The messages it would pass on at `nowMs`, refilled until then.
    double messagesLeft(std::int64_t nowMs);

  private:
    void refill(std::int64_t nowMs);

    Limits limits_;
    double messages_ = -1;  // < 0: not started yet, the first spend fills the budget
    double bytes_ = 0;
    std::int64_t lastMs_ = 0;
    std::size_t dropped_ = 0;
};

}  // namespace hexaline::session
