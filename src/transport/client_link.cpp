// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/client_link.h"

#include <utility>

namespace hexaline::transport {

ClientLink::ClientLink(QObject* parent, MessageQueue::Limits limits)
    : QObject(parent), queue_(limits), pump_(queue_, kTickMs, this), connection_(this) {
    connection_.setSink(
        [this](Connection&, std::string& message) { return pump_.offer(0, message); });
    connect(&pump_, &DispatchPump::dispatched, this, [this] {
        if (connection_.isWaiting() && queue_.hasRoom())
            connection_.resume();
        emit dispatched();
    });
    connect(&connection_, &Connection::hostFound, this, &ClientLink::hostFound);
    connect(&connection_, &Connection::lookupFailed, this, &ClientLink::lookupFailed);
    connect(&connection_, &Connection::disconnected, this, &ClientLink::peerClosed);
    connect(&connection_, &Connection::info, this, [this](int kind, const QString& text) {
        if (kind == static_cast<int>(InfoKind::Connected))
            emit connected();
        emit info(kind, text);
        if (kind == static_cast<int>(InfoKind::Closed))
            emit closed();
    });
}

void ClientLink::setDispatcher(const protocol::Dispatcher* dispatcher) {
    pump_.setDispatcher(dispatcher);
}

void ClientLink::setTickHook(DispatchPump::TickHook hook) {
    pump_.setTickHook(std::move(hook));
}

void ClientLink::wake() {
    pump_.wake();
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
