// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/host_link.h"

#include <utility>

namespace hexaline::transport {

HostLink::HostLink(QObject* parent, MessageQueue::Limits limits)
    : QObject(parent), listener_(this), queue_(limits), pump_(queue_, this) {
    connect(&listener_, &Listener::pending, this, &HostLink::acceptPending);
    connect(&pump_, &DispatchPump::dispatched, this, &HostLink::resumeWaiting);
    connect(&pump_, &DispatchPump::dispatched, this, &HostLink::dispatched);
}

void HostLink::setDispatcher(const protocol::Dispatcher* dispatcher) {
    pump_.setDispatcher(dispatcher);
}

bool HostLink::listen(std::uint16_t port, const QHostAddress& address) {
    return listener_.listen(port, address);
}

void HostLink::setPerAddressLimit(int perAddress, QStringList exempt) {
    perAddress_ = perAddress;
    exempt_ = std::move(exempt);
}

int HostLink::connectionsFrom(const QString& address) const {
    int count = 0;
    for (const auto& [id, from] : addressOf_)
        count += from == address;
    return count;
}

void HostLink::acceptPending() {
    while (QTcpSocket* socket = listener_.accept())
        adopt(new Connection(socket, this));
}

int HostLink::adopt(Connection* connection) {
    connection->setParent(this);
    const QString address = connection->peerAddress();
    if (perAddress_ > 0 && !exempt_.contains(address) && connectionsFrom(address) >= perAddress_) {
        // A peer that holds its share and keeps connecting would fill the log otherwise.
        if (address != lastRefused_) {
            qWarning("Connections from %s refused: it holds %d already", qPrintable(address),
                     perAddress_);
            lastRefused_ = address;
        }
        connection->close();
        connection->deleteLater();
        return 0;
    }
    if (address == lastRefused_)
        lastRefused_.clear();
    const int id = connection->id();
    connections_[id] = connection;
    addressOf_[id] = address;
    connection->setSink(
        [this](Connection& from, std::string& message) { return enqueue(from, message); });
    connect(connection, &Connection::disconnected, this,
            [this, connection] { emit peerClosed(connection->id()); });
    connect(connection, &Connection::info, this,
            [this, connection](int kind, const QString&) { onInfo(connection, kind); });
    emit accepted(id);
    return id;
}

// A message is admitted once, when it arrives: a message that waits for room in the queue is
// offered again later, and is not counted twice.
Connection::Intake HostLink::enqueue(Connection& from, std::string& message) {
    const int id = from.id();
    if (admission_ && admittedHeads_.erase(id) == 0 && !admission_(id, message))
        return Connection::Intake::Taken;  // dropped
    const Connection::Intake intake = pump_.offer(id, message);
    if (intake == Connection::Intake::Wait) {
        waiting_.insert(id);
        admittedHeads_.insert(id);
    }
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
    admittedHeads_.erase(id);
    addressOf_.erase(id);
    if (connections_.erase(id) > 0)
        connection->deleteLater();
    emit closed(id);
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

QString HostLink::peerAddress(int id) const {
    const auto it = addressOf_.find(id);
    return it == addressOf_.end() ? QString() : it->second;
}

}  // namespace hexaline::transport
