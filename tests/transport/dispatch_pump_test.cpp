// SPDX-License-Identifier: GPL-3.0-or-later
// Dispatching queued messages as soon as they arrive: in turns across connections, a bounded
// number per pass of the event loop, never one handler inside another, and a pump that sleeps
// while idle.
#include <gtest/gtest.h>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "protocol/builder.h"
#include "transport/dispatch_pump.h"

using namespace hexaline;
using transport::DispatchPump;
using transport::MessageQueue;

namespace {

std::string plain(const std::string& wire) {
    return wire.substr(0, wire.size() - 1);  // what the framer queues: terminator removed
}

std::string pass(int seat) {
    return plain(protocol::build(protocol::Msg::Pass, {seat}));
}

struct Recorder {
    protocol::Dispatcher dispatcher{protocol::Direction::ToHost};
    std::vector<std::string> seen;
    std::function<void()> during;  // runs inside the pass handler
    Recorder() {
        dispatcher.on(protocol::Msg::Pass, [this](protocol::Reader& r, protocol::Origin from) {
            seen.push_back("pass " + std::to_string(r.number()) + "/" + std::to_string(from));
            if (during)
                during();
        });
        dispatcher.on(protocol::Msg::StartGame, [](protocol::Reader&, protocol::Origin) {
            throw std::runtime_error("handler failed");
        });
    }
};

// Passes until the queue is empty; how many messages one pass takes depends on the machine's
// speed, the order they are taken in does not.
int passUntilEmpty(DispatchPump& pump, const MessageQueue& queue) {
    int count = 0;
    while (!queue.empty())
        count += pump.pass();
    return count;
}

}  // namespace

TEST(DispatchPump, TakesConnectionsInTurnsAndEachInArrivalOrder) {
    MessageQueue queue;
    Recorder rec;
    DispatchPump pump(queue);
    pump.setDispatcher(&rec.dispatcher);
    for (int seat : {1, 2, 3})  // a backlog of connection 11
        queue.push(11, pass(seat));
    queue.push(12, pass(7));
    queue.push(13, pass(8));

    EXPECT_EQ(passUntilEmpty(pump, queue), 5);
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"pass 1/11", "pass 7/12", "pass 8/13",
                                                  "pass 2/11", "pass 3/11"}));
    EXPECT_EQ(pump.pass(), 0);  // an empty queue: nothing happens
}

TEST(DispatchPump, BoundsThePassAndWorksOffTheRestInLaterPasses) {
    MessageQueue queue;
    Recorder rec;
    DispatchPump pump(queue);
    pump.setDispatcher(&rec.dispatcher);
    QSignalSpy dispatched(&pump, &DispatchPump::dispatched);
    for (int i = 0; i < DispatchPump::kMaxPerPass * 3; ++i)
        queue.push(1, pass(1));
    EXPECT_LE(pump.pass(), DispatchPump::kMaxPerPass);
    EXPECT_FALSE(queue.empty());
    EXPECT_TRUE(pump.isTicking());  // the next pass is scheduled
    ASSERT_TRUE(QTest::qWaitFor([&] { return queue.empty() && !pump.isTicking(); }, 5000));
    EXPECT_EQ(rec.seen.size(), std::size_t(DispatchPump::kMaxPerPass * 3));
    EXPECT_GE(dispatched.size(), 3);
}

TEST(DispatchPump, BadMessagesAreDroppedAndTheNextIsHandled) {
    MessageQueue queue;
    Recorder rec;
    DispatchPump pump(queue);
    pump.setDispatcher(&rec.dispatcher);
    queue.push(1, "CMD_ipass+x+");        // not a number
    queue.push(1, "CMD_startgame+1+2+");  // its handler throws
    queue.push(1, "");
    queue.push(1, "CMD_nosuch+1");
    queue.push(1, pass(4));
    EXPECT_EQ(passUntilEmpty(pump, queue), 5);
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"pass 4/1"}));
}

TEST(DispatchPump, AHandlerWaitingInANestedLoopIsNeverEnteredAgain) {
    MessageQueue queue;
    Recorder rec;
    DispatchPump pump(queue);
    pump.setDispatcher(&rec.dispatcher);
    int depth = 0, deepest = 0;
    rec.during = [&] {
        deepest = std::max(deepest, ++depth);
        if (rec.seen.size() == 1) {
            // A message box's event loop: another message arrives and the pump is woken.
            queue.push(2, pass(9));
            pump.wake();
            QTest::qWait(30);
            EXPECT_EQ(rec.seen.size(), 1u);
        }
        --depth;
    };
    queue.push(1, pass(1));
    pump.wake();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rec.seen.size() == 2 && !pump.isTicking(); }, 5000));
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(rec.seen[1], "pass 9/2");
}

TEST(DispatchPump, SleepsWhileIdle) {
    MessageQueue queue;
    Recorder rec;
    DispatchPump pump(queue);
    pump.setDispatcher(&rec.dispatcher);
    EXPECT_FALSE(pump.isTicking());
    queue.push(1, pass(1));
    queue.push(1, pass(2));
    pump.wake();
    EXPECT_TRUE(pump.isTicking());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pump.isTicking(); }, 5000));
    EXPECT_EQ(rec.seen.size(), 2u);
    pump.wake();  // nothing queued: no pass is scheduled
    EXPECT_FALSE(pump.isTicking());
}
