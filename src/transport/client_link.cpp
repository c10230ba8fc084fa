// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/client_link.h"

#include <QtGlobal>
#include <algorithm>
#include <utility>

namespace hexaline::transport {

namespace {

// HEXALINE_CLIENT_QUEUE caps how many messages from the host may wait (tests make it small).
// It caps the connection's share, as the share is what a client meets first.
MessageQueue::Limits withEnvironment(MessageQueue::Limits limits) {
    bool ok = false;
    const int cap = qEnvironmentVariableIntValue("HEXALINE_CLIENT_QUEUE", &ok);
    if (ok && cap > 0) {
        limits.messages = std::min(limits.messages, static_cast<std::size_t>(cap));
    }
    return limits;
}

}  // namespace

ClientLink::ClientLink(QObject* parent, MessageQueue::Limits limits)
    : QObject(parent), queue_(withEnvironment(limits)), pump_(queue_, this), connection_(this) {
    // The host is never refused: while the queue holds all it may, the connection stops
    // reading, TCP slows the host down, and the host decides whether this client is too slow.
    connection_.setSink([this](Connection&, std::string& message) {
        const Connection::Intake intake = pump_.offer(0, message);
        return intake == Connection::Intake::Refused ? Connection::Intake::Wait : intake;
    });
    connect(&pump_, &DispatchPump::dispatched, this, [this] {
        if (connection_.isWaiting() && hasRoom())
            connection_.resume();
        emit dispatched();
    });
    connect(&connection_, &Connection::hostFound, this, &ClientLink::hostFound);
    connect(&connection_, &Connection::lookupFailed, this, &ClientLink::lookupFailed);
    connect(&connection_, &Connection::disconnected, this, &ClientLink::peerClosed);
    connect(&connection_, &Connection::failed, this, &ClientLink::failed);
    connect(&connection_, &Connection::info, this, [this](int kind, const QString& text) {
        if (kind == static_cast<int>(InfoKind::Connected))
            emit connected();
        emit info(kind, text);
        if (kind == static_cast<int>(InfoKind::Closed))
            emit closed();
    });
}

// Reading goes on once the backlog is down to half of what the queue may hold.
bool ClientLink::hasRoom() const {
    const MessageQueue::Limits& limits = queue_.limits();
    return queue_.hasRoom() && queue_.size() <= limits.messages / 2 &&
           queue_.bytes() <= limits.bytes / 2;
}

void ClientLink::setDispatcher(const protocol::Dispatcher* dispatcher) {
    pump_.setDispatcher(dispatcher);
}

void ClientLink::open(const QString& host, std::uint16_t port) {
    if (opened_)
        return;
    opened_ = true;
    connection_.connectToHost(host, port);
}

bool ClientLink::send(std::string_view message) {
    return connection_.send(message);
}

}  // namespace hexaline::transport
