// The received-message queue: order, origins and each connection's share.
#include <gtest/gtest.h>

#include "transport/message_queue.h"

using hexaline::transport::MessageQueue;

TEST(MessageQueue, KeepsArrivalOrderAndOrigins) {
    MessageQueue q;
    EXPECT_FALSE(q.pop());
    q.push(3, "CMD_a+");
    q.push(5, "CMD_b+");
    q.push(3, "");
    EXPECT_EQ(q.size(), 3u);
    EXPECT_EQ(q.pendingFrom(3), 2u);
    auto first = q.pop();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->origin, 3);
    EXPECT_EQ(first->bytes, "CMD_a+");
    EXPECT_EQ(q.pop()->origin, 5);
    EXPECT_EQ(q.pop()->bytes, "");
    EXPECT_TRUE(q.empty());
    EXPECT_EQ(q.pendingFrom(3), 0u);
}

TEST(MessageQueue, OneConnectionCannotTakeMoreThanItsShare) {
    MessageQueue q({.messages = 2, .bytes = 10});
    EXPECT_TRUE(q.push(1, "aaaa"));
    EXPECT_TRUE(q.push(1, "bbbb"));
    EXPECT_FALSE(q.push(1, "c"));            // third message
    EXPECT_TRUE(q.push(2, "0123456789"));    // another connection has its own share
    EXPECT_FALSE(q.push(3, "0123456789x"));  // one message over the byte share
    EXPECT_EQ(q.pendingFrom(3), 0u);
    EXPECT_EQ(q.size(), 3u);
    q.pop();  // frees one place of connection 1
    EXPECT_TRUE(q.push(1, "c"));
}
