#include "transport/dispatch_pump.h"

#include <QtGlobal>
#include <exception>

namespace hexaline::transport {

DispatchPump::DispatchPump(MessageQueue& queue, int intervalMs, QObject* parent)
    : QObject(parent), queue_(queue) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &DispatchPump::tick);
}

void DispatchPump::wake() {
    if (!timer_.isActive())
        timer_.start();
}

void DispatchPump::tick() {
    if (auto message = queue_.pop(); message && dispatcher_) {
        // Bad input from the network is logged, never put in front of the user; the next
        // message is handled as usual.
        try {
            const auto result = dispatcher_->dispatch(message->bytes, message->origin);
            if (result.outcome == protocol::Dispatcher::Outcome::Failed) {
                qWarning("Dropped %s from connection %d: %s", result.word.c_str(), message->origin,
                         result.reason.c_str());
            }
        } catch (const std::exception& e) {
            const auto word = message->bytes.substr(0, message->bytes.find('+')).substr(0, 64);
            qWarning("Handling %s from connection %d failed: %s", word.c_str(), message->origin,
                     e.what());
        }
    }
    const bool hookWantsTicks = hook_ && hook_();
    if (queue_.empty() && !hookWantsTicks)
        timer_.stop();
}

}  // namespace hexaline::transport
