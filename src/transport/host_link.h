// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's side of the transport: the listening socket, every accepted connection by id,
// one queue for all of them (served in turns across connections) and its dispatch pump. The
// host session installs its dispatcher here and talks to connections by their id. While the
// queue is full, connections stop reading (the peers wait) until it has room again.
//
// One peer address holds a bounded number of connections at once; the bound applies to every
// connection the link adopts, whatever carries it, by the address the connection reports.
//
// Connection ids are unique for the life of the process. A connection stays known until it
// reports "Socket Closed"; after that send() to its id returns false.

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
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
    // Tells whether a message that arrived from a connection is to be queued (true) or
    // dropped (false). Asked once per message, when the connection hands it over.
    using Admission = std::function<bool(int id, const std::string& message)>;

    static constexpr int kDefaultPerAddress = 4;
    // Local play and tests connect from these.
    static QStringList defaultExemptAddresses() {
        return {QStringLiteral("127.0.0.1"), QStringLiteral("::1")};
    }

    explicit HostLink(QObject* parent = nullptr, MessageQueue::Limits limits = {});

    // Not owned. Queued messages reach it with the id of their connection as origin.
    void setDispatcher(const protocol::Dispatcher* dispatcher);

    // Not set: every message is queued.
    void setAdmission(Admission admission) { admission_ = std::move(admission); }
    // At most `perAddress` open connections from one peer address (0: no bound), except from
    // the `exempt` addresses. Applies to connections adopted from now on.
    void setPerAddressLimit(int perAddress, QStringList exempt = defaultExemptAddresses());

    // Takes over an open connection (the listener's, or a browser's over a WebSocket): it is
    // refused and closed when its address already holds its share of connections. Returns its
    // id, 0 when refused; `accepted` is emitted for an adopted one.
    int adopt(Connection* connection);

    // Listens on all local addresses unless given one. False when it cannot: errorText() says
    // why.
    bool listen(std::uint16_t port, const QHostAddress& address = QHostAddress(QHostAddress::Any));
    bool isListening() const { return listener_.isListening(); }
    std::uint16_t port() const { return listener_.port(); }
    QString errorText() const { return listener_.errorText(); }

    // Operations on one connection; an unknown or closed id does nothing (send returns false).
    bool send(int id, std::string_view message);
    void close(int id);
    bool isOpen(int id) const;
    // The address the connection reported when it was adopted.
    QString peerAddress(int id) const;
    // Open connections from an address.
    int connectionsFrom(const QString& address) const;

    const MessageQueue& queue() const { return queue_; }
    bool isTicking() const { return pump_.isTicking(); }

  signals:
    // A connection was accepted. Its handlers are in place already; the session seats it or
    // refuses it.
    void accepted(int id);
    // The peer closed the connection; "Socket Closed" follows.
    void peerClosed(int id);
    // "Socket Closed" for a connection, whichever side closed it. Can come twice for one
    // close (when the session closes the connection in reply to peerClosed).
    void closed(int id);
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
    std::map<int, QString> addressOf_;
    Admission admission_;
    std::set<int> admittedHeads_;  // waiting connections whose held message was admitted
    int perAddress_ = kDefaultPerAddress;
    QStringList exempt_ = defaultExemptAddresses();
    QString lastRefused_;    // the refusals of one address are logged once per run of them
    std::set<int> waiting_;  // connections that stopped reading while the queue was full
};

}  // namespace hexaline::transport
