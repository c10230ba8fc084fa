// SPDX-License-Identifier: GPL-3.0-or-later
// The received-message queue: order per connection, turns across connections, each
// connection's share and the bound on the whole queue.
#include <gtest/gtest.h>

#include "transport/message_queue.h"

using hexaline::transport::MessageQueue;
using Push = MessageQueue::Push;

TEST(MessageQueue, KeepsOrderPerConnectionAndTakesConnectionsInTurns) {
    MessageQueue q;
    EXPECT_FALSE(q.pop());
    q.push(3, "a1");
    q.push(3, "a2");
    q.push(3, "a3");
    q.push(5, "b1");
    q.push(7, "");
    EXPECT_EQ(q.size(), 5u);
    EXPECT_EQ(q.pendingFrom(3), 3u);
    std::vector<std::pair<int, std::string>> order;
    while (auto m = q.pop())
        order.emplace_back(m->origin, m->bytes);
    EXPECT_EQ(order, (std::vector<std::pair<int, std::string>>{
                         {3, "a1"}, {5, "b1"}, {7, ""}, {3, "a2"}, {3, "a3"}}));
    EXPECT_TRUE(q.empty());
    EXPECT_EQ(q.bytes(), 0u);
    EXPECT_EQ(q.pendingFrom(3), 0u);
}

TEST(MessageQueue, OneConnectionCannotTakeMoreThanItsShare) {
    MessageQueue q({.messages = 2, .bytes = 10});
    EXPECT_EQ(q.push(1, "aaaa"), Push::Queued);
    EXPECT_EQ(q.push(1, "bbbb"), Push::Queued);
    EXPECT_EQ(q.push(1, "c"), Push::OverShare);            // third message
    EXPECT_EQ(q.push(2, "0123456789"), Push::Queued);      // another connection's own share
    EXPECT_EQ(q.push(3, "0123456789x"), Push::OverShare);  // one message over the byte share
    EXPECT_EQ(q.pendingFrom(3), 0u);
    EXPECT_EQ(q.size(), 3u);
    q.pop();  // frees one place of connection 1
    EXPECT_EQ(q.push(1, "c"), Push::Queued);
}

TEST(MessageQueue, ManyConnectionsTogetherCannotGrowItBeyondItsBound) {
    // A stream of connections that each queue their share and close: what they left keeps
    // counting until it is handled.
    MessageQueue q({.messages = 4, .bytes = 100, .totalMessages = 10, .totalBytes = 1000});
    int origin = 0;
    while (q.push(++origin, std::string(90, 'x')) == Push::Queued) {
    }
    EXPECT_EQ(q.size(), 10u);
    EXPECT_EQ(q.bytes(), 900u);
    std::string kept(5, 'y');
    EXPECT_EQ(q.push(999, std::move(kept)), Push::Full);
    EXPECT_EQ(kept, "yyyyy");  // a refused message stays with the caller
    EXPECT_FALSE(q.hasRoom());
    for (int i = 0; i < 4; ++i)
        q.pop();
    EXPECT_FALSE(q.hasRoom());
    q.pop();
    EXPECT_TRUE(q.hasRoom());  // half drained
    EXPECT_EQ(q.push(999, "z"), Push::Queued);
}
