#include "transport/message_queue.h"

#include <utility>

namespace hexaline::transport {

bool MessageQueue::push(int origin, std::string bytes) {
    Share& share = shares_[origin];
    if (share.messages + 1 > limits_.messages || share.bytes + bytes.size() > limits_.bytes) {
        if (share.messages == 0)
            shares_.erase(origin);
        return false;
    }
    ++share.messages;
    share.bytes += bytes.size();
    entries_.push_back({origin, std::move(bytes)});
    return true;
}

std::optional<QueuedMessage> MessageQueue::pop() {
    if (entries_.empty())
        return std::nullopt;
    QueuedMessage front = std::move(entries_.front());
    entries_.pop_front();
    auto it = shares_.find(front.origin);
    if (it != shares_.end()) {
        --it->second.messages;
        it->second.bytes -= front.bytes.size();
        if (it->second.messages == 0)
            shares_.erase(it);
    }
    return front;
}

std::size_t MessageQueue::pendingFrom(int origin) const {
    const auto it = shares_.find(origin);
    return it == shares_.end() ? 0 : it->second.messages;
}

}  // namespace hexaline::transport
