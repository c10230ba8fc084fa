// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every relay budget of the host: what each connection may have passed on to everybody, and
// what each connection may be sent of what others have passed on.
//
// A connection keeps its own budget for its whole life, so two people behind one address
// never share one. A closed connection's budget is remembered for its address for a while,
// and a new connection from that address takes over the emptiest one remembered: reconnecting
// never refills a budget, so a peer that connects, sends and closes over and over gains
// nothing over one that stays.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/host_port.h"
#include "host/relay_budget.h"

namespace hexaline::session {

class RelayBudgets {
  public:
    struct Limits {
        // What one connection may have passed on to everybody.
        RelayBudget::Limits sender;
        // What one connection may be sent of all the others' relays together.
        RelayBudget::Limits receiver{.messagesPerSecond = 40,
                                     .messageBurst = 100,
                                     .bytesPerSecond = 64 * 1024,
                                     .byteBurst = 128 * 1024};
        // How long a closed connection's budget is remembered for its address.
        std::int64_t rememberMs = 60'000;
        // At most this many budgets are remembered for one address (the emptiest stay).
        std::size_t rememberedPerAddress = 32;
    };

    RelayBudgets() = default;
    explicit RelayBudgets(Limits limits) : limits_(limits) {}

    // A connection from `address` arrived: it takes over a budget its address left, if any.
    void opened(ConnectionId connection, const std::string& address, std::int64_t nowMs);
    // The connection closed: its budget is remembered for its address.
    void closed(ConnectionId connection, std::int64_t nowMs);

    // Spends the sender's budget on a message it sent (when the message arrives).
    RelayBudget::Verdict spendSent(ConnectionId sender, std::size_t bytes, std::int64_t nowMs);
    // Spends the receiver's budget on a relay of somebody else's message to it.
    RelayBudget::Verdict spendReceived(ConnectionId receiver, std::size_t bytes,
                                       std::int64_t nowMs);

    // Budgets remembered for an address, to look at.
    std::size_t rememberedFor(const std::string& address) const;

  private:
    struct Leftover {
        RelayBudget budget;
        std::int64_t closedMs = 0;
    };

    void forgetOld(std::int64_t nowMs);

    Limits limits_;
    std::map<ConnectionId, RelayBudget> senders_;
    std::map<ConnectionId, RelayBudget> receivers_;
    std::map<ConnectionId, std::string> addressOf_;
    std::map<std::string, std::vector<Leftover>> leftovers_;
};

}  // namespace hexaline::session
