// Dispatching one queued message per timer tick, and a timer that sleeps while idle.
#include <gtest/gtest.h>
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

struct Recorder {
    protocol::Dispatcher dispatcher{protocol::Direction::ToHost};
    std::vector<std::string> seen;
    Recorder() {
        dispatcher.on(protocol::Msg::Pass, [this](protocol::Reader& r, protocol::Origin from) {
            seen.push_back("pass " + std::to_string(r.number()) + "/" + std::to_string(from));
        });
        dispatcher.on(protocol::Msg::StartGame, [](protocol::Reader&, protocol::Origin) {
            throw std::runtime_error("handler failed");
        });
    }
};

}  // namespace

TEST(DispatchPump, HandsOverOneMessagePerTickInArrivalOrder) {
    MessageQueue queue;
    Recorder rec;
    DispatchPump pump(queue, 10);
    pump.setDispatcher(&rec.dispatcher);
    for (int seat : {1, 2, 3})
        queue.push(seat + 10, plain(protocol::build(protocol::Msg::Pass, {seat})));

    pump.tick();
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"pass 1/11"}));
    EXPECT_EQ(queue.size(), 2u);
    pump.tick();
    pump.tick();
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"pass 1/11", "pass 2/12", "pass 3/13"}));
    pump.tick();  // an empty queue: nothing happens
    EXPECT_EQ(rec.seen.size(), 3u);
}

TEST(DispatchPump, BadMessagesAreDroppedAndTheNextIsHandled) {
    MessageQueue queue;
    Recorder rec;
    DispatchPump pump(queue, 10);
    pump.setDispatcher(&rec.dispatcher);
    queue.push(1, "CMD_ipass+x+");        // not a number
    queue.push(1, "CMD_startgame+1+2+");  // its handler throws
    queue.push(1, "");
    queue.push(1, "CMD_nosuch+1");
    queue.push(1, plain(protocol::build(protocol::Msg::Pass, {4})));
    for (int i = 0; i < 5; ++i)
        pump.tick();
    EXPECT_EQ(rec.seen, (std::vector<std::string>{"pass 4/1"}));
}

TEST(DispatchPump, TimerRunsOnlyWhileThereIsWork) {
    MessageQueue queue;
    Recorder rec;
    DispatchPump pump(queue, 1);
    pump.setDispatcher(&rec.dispatcher);
    EXPECT_FALSE(pump.isTicking());

    queue.push(1, plain(protocol::build(protocol::Msg::Pass, {1})));
    queue.push(1, plain(protocol::build(protocol::Msg::Pass, {2})));
    pump.wake();
    EXPECT_TRUE(pump.isTicking());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pump.isTicking(); }, 5000));
    EXPECT_EQ(rec.seen.size(), 2u);
    EXPECT_TRUE(queue.empty());
}

TEST(DispatchPump, TickHookKeepsTheTimerAliveUntilItIsDone) {
    MessageQueue queue;
    DispatchPump pump(queue, 1);
    int ticks = 0;
    pump.setTickHook([&] { return ++ticks < 5; });
    pump.tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(pump.isTicking());  // a manual tick does not start the timer
    pump.wake();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pump.isTicking(); }, 5000));
    EXPECT_EQ(ticks, 5);
}
