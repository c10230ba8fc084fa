// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's side of the transport: its one connection to the host, its queue and its
// dispatch pump. The client session installs its dispatcher here. A client that falls behind
// (a busy or suspended window) catches up: while its queue is full it stops reading, and it
// reads on as the queue drains.

#include <QObject>
#include <QString>
#include <cstdint>
#include <string_view>

#include "protocol/dispatcher.h"
#include "transport/connection.h"
#include "transport/dispatch_pump.h"
#include "transport/message_queue.h"

namespace hexaline::transport {

class ClientLink : public QObject {
    Q_OBJECT
  public:
    explicit ClientLink(QObject* parent = nullptr, MessageQueue::Limits limits = {});

    // Not owned. Messages reach it with origin 0.
    void setDispatcher(const protocol::Dispatcher* dispatcher);

    // Starts connecting once; later calls do nothing. Returns at once.
    void open(const QString& host, std::uint16_t port);
    bool isConnected() const { return connection_.isConnected(); }
    // Sends one whole message; false when not connected.
    bool send(std::string_view message);
    void close() { connection_.close(); }

    const MessageQueue& queue() const { return queue_; }
    bool isTicking() const { return pump_.isTicking(); }

  signals:
    void hostFound();
    // "Host Lookup - Could Not Find Host Entry".
    void lookupFailed(const QString& text);
    void connected();
    // The host closed the connection; "Socket Closed" follows.
    void peerClosed();
    // Every status text of the connection ("Non-Blocking Socket Connected", "Socket Closed").
    void info(int kind, const QString& text);
    // The connection could not be made, or failed (not the host's ordinary close).
    void failed(QAbstractSocket::SocketError error);
    // "Socket Closed", whichever side closed.
    void closed();
    // Queued messages were handed to the dispatcher (the queue may be empty now).
    void dispatched();

  private:
    bool hasRoom() const;

    MessageQueue queue_;
    DispatchPump pump_;
    Connection connection_;
    bool opened_ = false;
};

}  // namespace hexaline::transport
