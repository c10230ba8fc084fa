// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/dispatch_pump.h"

#include <QtGlobal>
#include <exception>

namespace hexaline::transport {

DispatchPump::DispatchPump(MessageQueue& queue, QObject* parent) : QObject(parent), queue_(queue) {
    passTimer_.setSingleShot(true);
    passTimer_.setInterval(0);
    connect(&passTimer_, &QTimer::timeout, this, &DispatchPump::pass);
}

void DispatchPump::wake() {
    if (!queue_.empty() && !passTimer_.isActive() && !inPass_)
        passTimer_.start();
}

Connection::Intake DispatchPump::offer(int origin, std::string& message) {
    switch (queue_.push(origin, std::move(message))) {
        case MessageQueue::Push::Queued:
            wake();
            return Connection::Intake::Taken;
        case MessageQueue::Push::OverShare:
            return Connection::Intake::Refused;
        case MessageQueue::Push::Full:
            break;
    }
    wake();
    return Connection::Intake::Wait;
}

int DispatchPump::pass() {
    if (inPass_)
        return 0;  // the outer pass goes on when its handler returns
    inPass_ = true;
    QElapsedTimer clock;
    clock.start();
    int count = 0;
    while (count < kMaxPerPass) {
        auto message = queue_.pop();
        if (!message)
            break;
        dispatchOne(*message);
        ++count;
        if (clock.nsecsElapsed() > kPassBudgetNs)
            break;
    }
    inPass_ = false;
    if (!queue_.empty())
        passTimer_.start();
    if (count > 0)
        emit dispatched();
    return count;
}

void DispatchPump::dispatchOne(const QueuedMessage& message) {
    if (!dispatcher_)
        return;
    // Bad input from the network is logged, never put in front of the user; the next message
    // is handled as usual.
    try {
        const auto result = dispatcher_->dispatch(message.bytes, message.origin);
        if (result.outcome == protocol::Dispatcher::Outcome::Failed) {
            qWarning("Dropped %s from connection %d: %s", result.word.c_str(), message.origin,
                     result.reason.c_str());
        }
    } catch (const std::exception& e) {
        const auto word = message.bytes.substr(0, message.bytes.find('+')).substr(0, 64);
        qWarning("Handling %s from connection %d failed: %s", word.c_str(), message.origin,
                 e.what());
    }
}

}  // namespace hexaline::transport
