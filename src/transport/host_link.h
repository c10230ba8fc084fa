// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's side of the transport: the listening socket, every accepted connection by id,
// one queue for all of them (served in turns across connections) and its dispatch pump. The
// host session installs its dispatcher here and talks to connections by their id. While the
// queue is full, connections stop reading (the peers wait) until it has room again.
//
// Connection ids are unique for the life of the process. A connection stays known until it
// reports "Socket Closed"; after that send() to its id returns false.

#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <set>
#include <string_view>

#include "protocol/dispatcher.h"
#include "transport/connection.h"
#include "transport/dispatch_pump.h"
#include "transport/listener.h"
#include "transport/message_queue.h"

namespace hexaline::transport {

class HostLink : public QObject {
    Q_OBJECT
  public:
    explicit HostLink(QObject* parent = nullptr, MessageQueue::Limits limits = {});

    // Not owned. Queued messages reach it with the id of their connection as origin.
    void setDispatcher(const protocol::Dispatcher* dispatcher);

    // Listens on all local addresses. False when it cannot: errorText() says why.
    bool listen(std::uint16_t port);
    bool isListening() const { return listener_.isListening(); }
    std::uint16_t port() const { return listener_.port(); }
    QString errorText() const { return listener_.errorText(); }

    // Operations on one connection; an unknown or closed id does nothing (send returns false).
    bool send(int id, std::string_view message);
    void close(int id);
    bool isOpen(int id) const;
    void setTag(int id, int tag);
    int tag(int id) const;
    QString peerAddress(int id) const;

    const MessageQueue& queue() const { return queue_; }
    bool isTicking() const { return pump_.isTicking(); }

  signals:
    // A connection was accepted. Its handlers are in place already; the session seats it or
    // refuses it.
    void accepted(int id);
    // The peer closed the connection; "Socket Closed" follows.
    void peerClosed(int id, int tag);
    // "Socket Closed" for a connection, whichever side closed it. Can come twice for one
    // close (when the session closes the connection in reply to peerClosed).
    void closed(int id, int tag);
    // Queued messages were handed to the dispatcher.
    void dispatched();

  private:
    void acceptPending();
    Connection::Intake enqueue(Connection& from, std::string& message);
    void resumeWaiting();
    void onInfo(Connection* connection, int kind);

    Listener listener_;
    MessageQueue queue_;
    DispatchPump pump_;
    std::map<int, Connection*> connections_;
    std::set<int> waiting_;  // connections that stopped reading while the queue was full
};

}  // namespace hexaline::transport
