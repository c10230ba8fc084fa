// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands a side's queued messages to its dispatcher as soon as they arrive: each pass of the
// event loop takes a bounded number of them (the queue gives them out in turns across
// connections), so timers, painting and reading stay on time while a backlog is worked off.
// A handler never runs inside another: a pass started while a handler waits in a nested event
// loop (a message box) does nothing, and the outer pass goes on once the handler returns.
// An idle program does not wake up.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "protocol/dispatcher.h"
#include "transport/connection.h"
#include "transport/message_queue.h"

namespace hexaline::transport {

class DispatchPump : public QObject {
    Q_OBJECT
  public:
    // Called on every tick of the hook timer. Returns true to keep the timer ticking.
    using TickHook = std::function<bool()>;

    // At most this many messages, and about this much time, per pass of the event loop.
    static constexpr int kMaxPerPass = 64;
    static constexpr qint64 kPassBudgetNs = 4'000'000;

    // `hookIntervalMs`: the interval of the tick hook's timer.
    DispatchPump(MessageQueue& queue, int hookIntervalMs, QObject* parent = nullptr);

    // Not owned; may be null (messages are then taken off and dropped).
    void setDispatcher(const protocol::Dispatcher* dispatcher) { dispatcher_ = dispatcher; }
    void setTickHook(TickHook hook) { hook_ = std::move(hook); }

    // Schedules a pass for the queued messages and starts the hook's ticks (call after
    // queueing, or when the hook needs ticks).
    void wake();
    // Queues a message read from the connection `origin` and wakes the pump; says whether the
    // reader goes on (Taken), waits for room (Wait), or has sent more than its share (Refused).
    Connection::Intake offer(int origin, std::string& message);
    // A pass is scheduled or the hook still ticks.
    bool isTicking() const { return passTimer_.isActive() || hookTimer_.isActive(); }
    int interval() const { return hookTimer_.interval(); }

    // One pass: dispatches up to kMaxPerPass messages, fewer when the time budget runs out,
    // and schedules the next pass while messages remain. Returns how many it dispatched;
    // inside a running handler it dispatches none.
    int pass();

  signals:
    // Emitted after a pass that dispatched at least one message.
    void dispatched();

  private:
    void dispatchOne(const QueuedMessage& message);
    void hookTick();

    MessageQueue& queue_;
    const protocol::Dispatcher* dispatcher_ = nullptr;
    TickHook hook_;
    QTimer passTimer_;
    QTimer hookTimer_;
    bool inPass_ = false;
};

}  // namespace hexaline::transport
