// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/message_queue.h"

#include <utility>

namespace hexaline::transport {

MessageQueue::Push MessageQueue::push(int origin, std::string&& bytes) {
    if (messages_ + 1 > limits_.totalMessages || bytes_ + bytes.size() > limits_.totalBytes)
        return Push::Full;
    const auto it = backlogs_.find(origin);
    const std::size_t waiting = it == backlogs_.end() ? 0 : it->second.messages.size();
    const std::size_t waitingBytes = it == backlogs_.end() ? 0 : it->second.bytes;
    if (waiting + 1 > limits_.messages || waitingBytes + bytes.size() > limits_.bytes)
        return Push::OverShare;
    Backlog& backlog = it == backlogs_.end() ? backlogs_[origin] : it->second;
    if (backlog.messages.empty())
        turns_.push_back(origin);
    ++messages_;
    bytes_ += bytes.size();
    backlog.bytes += bytes.size();
    backlog.messages.push_back(std::move(bytes));
    return Push::Queued;
}

std::optional<QueuedMessage> MessageQueue::pop() {
    if (turns_.empty())
        return std::nullopt;
    const int origin = turns_.front();
    turns_.pop_front();
    const auto it = backlogs_.find(origin);
    QueuedMessage front{origin, std::move(it->second.messages.front())};
    it->second.messages.pop_front();
    it->second.bytes -= front.bytes.size();
    --messages_;
    bytes_ -= front.bytes.size();
    if (it->second.messages.empty()) {
        backlogs_.erase(it);
    } else {
        turns_.push_back(origin);  // its next message waits for everybody else's turn
    }
    return front;
}

std::size_t MessageQueue::pendingFrom(int origin) const {
    const auto it = backlogs_.find(origin);
    return it == backlogs_.end() ? 0 : it->second.messages.size();
}

bool MessageQueue::hasRoom() const {
    return messages_ <= limits_.totalMessages / 2 && bytes_ <= limits_.totalBytes / 2;
}

}  // namespace hexaline::transport
