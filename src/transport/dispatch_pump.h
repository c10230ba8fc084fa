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

#include "protocol/dispatcher.h"
#include "transport/connection.h"
#include "transport/message_queue.h"

namespace hexaline::transport {

class DispatchPump : public QObject {
    Q_OBJECT
  public:
    // At most this many messages, and about this much time, per pass of the event loop.
    static constexpr int kMaxPerPass = 64;
    static constexpr qint64 kPassBudgetNs = 4'000'000;

    explicit DispatchPump(MessageQueue& queue, QObject* parent = nullptr);

    // Not owned; may be null (messages are then taken off and dropped).
    void setDispatcher(const protocol::Dispatcher* dispatcher) { dispatcher_ = dispatcher; }

    // Schedules a pass for the queued messages (call after queueing).
    void wake();
    // Queues a message read from the connection `origin` and wakes the pump; says whether the
    // reader goes on (Taken), waits for room (Wait), or has sent more than its share (Refused).
    Connection::Intake offer(int origin, std::string& message);
    // A pass is scheduled.
    bool isTicking() const { return passTimer_.isActive(); }

    // One pass: dispatches up to kMaxPerPass messages, fewer when the time budget runs out,
    // and schedules the next pass while messages remain. Returns how many it dispatched;
    // inside a running handler it dispatches none.
    int pass();

  signals:
    // Emitted after a pass that dispatched at least one message.
    void dispatched();

  private:
    void dispatchOne(const QueuedMessage& message);

    MessageQueue& queue_;
    const protocol::Dispatcher* dispatcher_ = nullptr;
    QTimer passTimer_;
    bool inPass_ = false;
};

}  // namespace hexaline::transport
