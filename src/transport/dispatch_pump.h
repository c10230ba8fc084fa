#pragma once
// Hands a side's queued messages to its dispatcher, one per timer tick, in arrival order.
// The timer runs only while there is work: messages in the queue, or an after-tick hook
// that asks for more ticks. An idle program does not wake up.

#include <QObject>
#include <QTimer>
#include <functional>

#include "protocol/dispatcher.h"
#include "transport/message_queue.h"

namespace hexaline::transport {

class DispatchPump : public QObject {
    Q_OBJECT
  public:
    // Called after every tick, whether or not a message was dispatched. Returns true to keep
    // the timer ticking while the queue is empty.
    using TickHook = std::function<bool()>;

    DispatchPump(MessageQueue& queue, int intervalMs, QObject* parent = nullptr);

    // Not owned; may be null (messages are then taken off and dropped).
    void setDispatcher(const protocol::Dispatcher* dispatcher) { dispatcher_ = dispatcher; }
    void setTickHook(TickHook hook) { hook_ = std::move(hook); }

    // Starts ticking if it is not already (call after queueing, or when the hook needs ticks).
    void wake();
    bool isTicking() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

    // One tick: dispatch the oldest message, if any, then run the hook.
    void tick();

  private:
    MessageQueue& queue_;
    const protocol::Dispatcher* dispatcher_ = nullptr;
    TickHook hook_;
    QTimer timer_;
};

}  // namespace hexaline::transport
