// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/host_link.h"

#include <utility>

namespace hexaline::transport {

HostLink::HostLink(QObject* parent, MessageQueue::Limits limits)
    : QObject(parent), listener_(this), queue_(limits), pump_(queue_, 10, this) {
    connect(&listener_, &Listener::pending, this, &HostLink::acceptPending);
    connect(&pump_, &DispatchPump::dispatched, this, &HostLink::resumeWaiting);
    connect(&pump_, &DispatchPump::dispatched, this, &HostLink::dispatched);
}

void HostLink::setDispatcher(const protocol::Dispatcher* dispatcher) {
    pump_.setDispatcher(dispatcher);
}

bool HostLink::listen(std::uint16_t port) {
    return listener_.listen(port);
}

void HostLink::acceptPending() {
    while (QTcpSocket* socket = listener_.accept()) {
        auto* connection = new Connection(socket, this);
        const int id = connection->id();
        connections_[id] = connection;
        connection->setSink(
            [this](Connection& from, std::string& message) { return enqueue(from, message); });
        connect(connection, &Connection::disconnected, this,
                [this, connection] { emit peerClosed(connection->id(), connection->tag()); });
        connect(connection, &Connection::info, this,
                [this, connection](int kind, const QString&) { onInfo(connection, kind); });
        emit accepted(id);
    }
}

Connection::Intake HostLink::enqueue(Connection& from, std::string& message) {
    const Connection::Intake intake = pump_.offer(from.id(), message);
    if (intake == Connection::Intake::Wait)
        waiting_.insert(from.id());
    return intake;
}

// Readers that waited for room read on, in the order of their ids (oldest connection first).
void HostLink::resumeWaiting() {
    while (!waiting_.empty() && queue_.hasRoom()) {
        const int id = *waiting_.begin();
        waiting_.erase(waiting_.begin());
        if (const auto it = connections_.find(id); it != connections_.end())
            it->second->resume();
    }
}

void HostLink::onInfo(Connection* connection, int kind) {
    if (kind != static_cast<int>(InfoKind::Closed))
        return;
    const int id = connection->id();
    waiting_.erase(id);
    if (connections_.erase(id) > 0)
        connection->deleteLater();
    emit closed(id, connection->tag());
}

bool HostLink::send(int id, std::string_view message) {
    const auto it = connections_.find(id);
    return it != connections_.end() && it->second->send(message);
}

void HostLink::close(int id) {
    if (const auto it = connections_.find(id); it != connections_.end())
        it->second->close();
}

bool HostLink::isOpen(int id) const {
    const auto it = connections_.find(id);
    return it != connections_.end() && it->second->isConnected();
}

void HostLink::setTag(int id, int tag) {
    if (const auto it = connections_.find(id); it != connections_.end())
        it->second->setTag(tag);
}

int HostLink::tag(int id) const {
    const auto it = connections_.find(id);
    return it == connections_.end() ? 0 : it->second->tag();
}

QString HostLink::peerAddress(int id) const {
    const auto it = connections_.find(id);
    return it == connections_.end() ? QString() : it->second->peerAddress();
}

}  // namespace hexaline::transport
