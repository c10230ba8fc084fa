#pragma once
// One side's queue of received messages, first in, first out. Every entry remembers the
// connection it came from, and no single connection can fill the queue beyond its share.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

namespace hexaline::transport {

struct QueuedMessage {
    int origin = 0;     // id of the connection the message came from
    std::string bytes;  // the message, terminator removed
};

class MessageQueue {
  public:
    // What one connection may have waiting at a time. A connection that goes beyond it is a
    // flooding peer and gets closed by its owner.
    struct Limits {
        std::size_t messages = 1000;
        std::size_t bytes = 1024 * 1024;
    };

    MessageQueue() = default;
    explicit MessageQueue(Limits limits) : limits_(limits) {}

    // Appends a message; false (and nothing queued) when `origin` has used up its share.
    bool push(int origin, std::string bytes);
    // Takes the oldest message off the front.
    std::optional<QueuedMessage> pop();

    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }
    std::size_t pendingFrom(int origin) const;

  private:
    struct Share {
        std::size_t messages = 0;
        std::size_t bytes = 0;
    };

    Limits limits_;
    std::deque<QueuedMessage> entries_;
    std::unordered_map<int, Share> shares_;
};

}  // namespace hexaline::transport
