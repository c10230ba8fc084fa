// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One side's queue of received messages. Each connection's messages keep their arrival order;
// across connections they are taken in turns, one message each, so that no connection's
// backlog delays another's next message. No connection can hold more than its share, and the
// queue as a whole is bounded: messages of a connection that has closed still count until
// they are handled, so a stream of short-lived connections cannot grow it either.

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
    struct Limits {
        // What one connection may have waiting at a time. A connection that goes beyond it
        // is a flooding peer and gets closed by its owner.
        std::size_t messages = 1000;
        std::size_t bytes = 1024 * 1024;
        // What all connections together may have waiting. Beyond it the queue takes nothing
        // more until it has drained to half; readers wait meanwhile.
        std::size_t totalMessages = 8000;
        std::size_t totalBytes = 8 * 1024 * 1024;
    };

    enum class Push {
        Queued,
        OverShare,  // the connection has used up its own share
        Full,       // the queue as a whole is full; try again once it has room
    };

    MessageQueue() = default;
    explicit MessageQueue(Limits limits) : limits_(limits) {}

    // Appends a message of `origin`; nothing is queued unless the answer is Queued.
    Push push(int origin, std::string&& bytes);
    // Takes the next message: the oldest of the connection whose turn it is.
    std::optional<QueuedMessage> pop();

    bool empty() const { return messages_ == 0; }
    std::size_t size() const { return messages_; }
    std::size_t bytes() const { return bytes_; }
    std::size_t pendingFrom(int origin) const;
    // The queue is below half of its bounds again after having been full.
    bool hasRoom() const;
    const Limits& limits() const { return limits_; }

  private:
    struct Backlog {
        std::deque<std::string> messages;
        std::size_t bytes = 0;
    };

    Limits limits_;
    std::unordered_map<int, Backlog> backlogs_;
    std::deque<int> turns_;  // connections with waiting messages, the next to serve first
    std::size_t messages_ = 0;
    std::size_t bytes_ = 0;
};

}  // namespace hexaline::transport
