// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One connection of the game: an accepted one on the host, or the client's own, over TCP; or a
// browser's, over a WebSocket (a WebWire), which the host treats alike. It sends
// whole messages, cuts what it receives into messages at the terminator byte and hands each
// to its sink, and reports its state changes with the socket status texts and its
// errors as socket errors.
//
// A peer can make it hold only so much: output that the peer does not take (more than
// kMaxUnsentBytes, or some of it waiting kMaxUnsentMs) closes the connection, and TCP
// keep-alive and the user timeout find a peer that vanished without closing within about a
// minute, whether or not data is on its way to it.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpSocket>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "protocol/framer.h"
#include "transport/status.h"
#include "transport/web_wire.h"

namespace hexaline::transport {

class Connection : public QObject {
    Q_OBJECT
  public:
    // What the sink did with a message.
    enum class Intake {
        Taken,    // the message was taken (moved from)
        Refused,  // the connection sent more than its owner will hold: it is closed
        Wait,     // the owner is full for now: the connection stops reading until resume()
    };
    // Receives every complete message, terminator removed; takes it only when it answers Taken.
    using Sink = std::function<Intake(Connection& from, std::string& message)>;

    static constexpr qint64 kMaxUnsentBytes = 1024 * 1024;
    static constexpr int kMaxUnsentMs = 30000;
    // Keep-alive: probes after this many idle seconds, then every interval, this many times.
    static constexpr int kKeepAliveIdleS = 20;
    static constexpr int kKeepAliveIntervalS = 5;
    static constexpr int kKeepAliveProbes = 6;
    // Data the peer has not acknowledged for this long (a peer gone while we send, as in a
    // game) fails the connection too; keep-alive cannot probe while data is outstanding.
    static constexpr int kUserTimeoutMs = 50'000;

    // A connection that is not open yet (the client's), to be opened with connectToHost.
    explicit Connection(QObject* parent = nullptr);
    // Takes over a connected socket (an accepted connection).
    explicit Connection(QTcpSocket* socket, QObject* parent = nullptr);
    // Takes over an open WebSocket's wire (a browser's connection on the host).
    explicit Connection(WebWire* wire, QObject* parent = nullptr);
    ~Connection() override;

    // Unique in the process, never reused; 0 is never an id.
    int id() const { return id_; }
    void setSink(Sink sink) { sink_ = std::move(sink); }

    // Starts connecting and returns at once. A name that cannot be resolved is reported with
    // lookupFailed; a connection that cannot be made only with failed.
    void connectToHost(const QString& host, std::uint16_t port);
    bool isConnected() const;
    QString peerAddress() const;

    // Sends one whole message in one write. False, with "Send - Socket Not Connected" logged,
    // when the connection is not connected. Output beyond kMaxUnsentBytes is not taken: the
    // connection is closed from the event loop soon after (never inside this call).
    bool send(std::string_view message);

    // Reading stopped because the sink answered Wait.
    bool isWaiting() const { return waiting_; }
    // Hands the held messages to the sink again and reads on.
    void resume();

    // Closes the connection and reports "Socket Closed". Data already handed to send still
    // goes out. Closing a closed connection does nothing.
    void close();
    bool isClosed() const { return closed_; }

  signals:
    // The host name was resolved (also for a literal address).
    void hostFound();
    // The host name could not be resolved: "Host Lookup - Could Not Find Host Entry".
    void lookupFailed(const QString& text);
    // The peer closed the connection. Right after this the connection closes itself and
    // reports "Socket Closed"; an owner that closes it here as well gets that report twice.
    void disconnected();
    // Status texts: "Non-Blocking Socket Connected" (1), "Socket Closed" (2).
    void info(int kind, const QString& text);
    // A socket error other than the peer's ordinary close or a name that cannot be resolved:
    // the connection could not be made, or failed. The owner words it for the user.
    void failed(QAbstractSocket::SocketError error);

  private:
    void attach();
    void enableKeepAlive();
    void readIncoming();
    // Hands held messages to the sink; false when it must stop (closed, or waiting again).
    bool deliverHeld();
    void onBytesWritten();
    void dropForUnsentOutput(const char* why);
    void onConnected();
    void onError(QAbstractSocket::SocketError error);
    void onPeerClosed();
    void release();
    void report(InfoKind kind, const QString& text);
    void attachWeb();
    void watchUnsentOutput();
    // A socket or a WebSocket is attached (not yet released).
    bool hasWire() const { return socket_ || web_; }
    qint64 unsentBytes() const;

    QPointer<WebWire> web_;  // the wire instead of socket_, for a WebSocket

    QPointer<QTcpSocket> socket_;
    protocol::Framer framer_;
    Sink sink_;
    int id_;
    bool closed_ = false;
    bool waiting_ = false;
    bool dropping_ = false;         // output over its bound: closing, nothing more is sent
    std::deque<std::string> held_;  // framed, not yet taken by the sink
    QTimer unsentTimer_;            // runs while output waits to be taken by the peer
};

}  // namespace hexaline::transport
