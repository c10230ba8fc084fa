// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's surroundings in memory: every message sent per connection, closes that are
// reported back like the transport does, and timers that tests fire by hand.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/host_port.h"
#include "protocol/message_table.h"
#include "protocol/reader.h"

namespace hexaline::session::fakes {

class FakeHostPort : public HostPort {
  public:
    std::map<ConnectionId, std::vector<std::string>> inbox;  // messages without terminator
    std::vector<ConnectionId> closed;
    std::vector<std::string> alerts, logs;
    bool breakArmed = false;
    bool computerArmed = false;
    int computerInterval = 0;
    int speed = 1000;
    std::int64_t now = 0;  // the clock of the relay budgets; tests move it on by hand

    void send(ConnectionId connection, const std::string& message) override {
        std::string text = message;
        while (!text.empty() && text.back() == protocol::kTerminator)
            text.pop_back();
        inbox[connection].push_back(text);
    }
    void close(ConnectionId connection) override { closed.push_back(connection); }
    void armBreakTimer() override { breakArmed = true; }
    void stopBreakTimer() override { breakArmed = false; }
    void startComputerTimer(int intervalMs) override {
        computerArmed = true;
        computerInterval = intervalMs;
    }
    void stopComputerTimer() override { computerArmed = false; }
    int botSpeed() override { return speed; }
    void alert(const std::string& text) override { alerts.push_back(text); }
    void log(const std::string& line) override { logs.push_back(line); }
    std::int64_t nowMs() override { return now; }

    // A built message as it arrives: without its terminator(s).
    static std::string text(const std::string& message) {
        std::string out = message;
        while (!out.empty() && out.back() == protocol::kTerminator)
            out.pop_back();
        return out;
    }

    // Messages of one connection whose command word is `word`.
    std::vector<std::string> of(ConnectionId connection, const std::string& word) const {
        std::vector<std::string> out;
        const auto it = inbox.find(connection);
        if (it == inbox.end())
            return out;
        for (const std::string& m : it->second) {
            const auto command = protocol::splitCommand(m);
            if (command && command->word == word)
                out.push_back(m);
        }
        return out;
    }
};

}  // namespace hexaline::session::fakes
