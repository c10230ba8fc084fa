// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/relay_budgets.h"

#include <algorithm>

namespace hexaline::session {

void RelayBudgets::forgetOld(std::int64_t nowMs) {
    for (auto it = leftovers_.begin(); it != leftovers_.end();) {
        auto& list = it->second;
        std::erase_if(list,
                      [&](const Leftover& l) { return nowMs - l.closedMs > limits_.rememberMs; });
        it = list.empty() ? leftovers_.erase(it) : std::next(it);
    }
}

void RelayBudgets::opened(ConnectionId connection, const std::string& address, std::int64_t nowMs) {
    forgetOld(nowMs);
    addressOf_[connection] = address;
    receivers_.erase(connection);
    const auto found = leftovers_.find(address);
    if (found == leftovers_.end()) {
        senders_.insert_or_assign(connection, RelayBudget(limits_.sender));
        return;
    }
    auto& list = found->second;
    const auto emptiest = std::min_element(list.begin(), list.end(), [&](Leftover& a, Leftover& b) {
        return a.budget.messagesLeft(nowMs) < b.budget.messagesLeft(nowMs);
    });
    senders_.insert_or_assign(connection, emptiest->budget);
    list.erase(emptiest);
    if (list.empty())
        leftovers_.erase(found);
}

void RelayBudgets::closed(ConnectionId connection, std::int64_t nowMs) {
    receivers_.erase(connection);
    const auto address = addressOf_.find(connection);
    const auto budget = senders_.find(connection);
    if (address != addressOf_.end() && budget != senders_.end()) {
        auto& list = leftovers_[address->second];
        list.push_back({budget->second, nowMs});
        if (list.size() > limits_.rememberedPerAddress) {
            // The fullest budget is the one least worth remembering.
            const auto fullest =
                std::max_element(list.begin(), list.end(), [&](Leftover& a, Leftover& b) {
                    return a.budget.messagesLeft(nowMs) < b.budget.messagesLeft(nowMs);
                });
            list.erase(fullest);
        }
    }
    if (address != addressOf_.end())
        addressOf_.erase(address);
    if (budget != senders_.end())
        senders_.erase(budget);
    forgetOld(nowMs);
}

RelayBudget::Verdict RelayBudgets::spendSent(ConnectionId sender, std::size_t bytes,
                                             std::int64_t nowMs) {
    return senders_.try_emplace(sender, limits_.sender).first->second.spend(nowMs, bytes);
}

RelayBudget::Verdict RelayBudgets::spendReceived(ConnectionId receiver, std::size_t bytes,
                                                 std::int64_t nowMs) {
    return receivers_.try_emplace(receiver, limits_.receiver).first->second.spend(nowMs, bytes);
}

std::size_t RelayBudgets::rememberedFor(const std::string& address) const {
    const auto it = leftovers_.find(address);
    return it == leftovers_.end() ? 0 : it->second.size();
}

}  // namespace hexaline::session
