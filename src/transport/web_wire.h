// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One WebSocket as the wire of a game connection. Each WebSocket message carries one protocol
// message without its terminator: what arrives is handed on as bytes with the terminator put
// back, and each message sent goes out as one text message, terminator removed.
//
// A WebSocket cannot be made to stop reading the way a TCP socket can: while its connection
// waits for room in the host's queue, arriving messages are held here, up to kMaxInbox bytes;
// beyond that the wire reports an overflow and its connection closes.
//
// The system's keep-alive cannot be set on a WebSocket's own socket: the wire pings the peer
// instead, and a peer that answers none of kPingsUnanswered pings in a row is treated as gone,
// within about a minute, as over TCP.

#include <QByteArray>
#include <QByteArrayView>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWebSocket>
#include <functional>
#include <string_view>

namespace hexaline::transport {

class WebWire : public QObject {
    Q_OBJECT
  public:
    // Turns the bytes of one message into the text of a text message.
    using TextOf = std::function<QString(QByteArrayView)>;

    static constexpr qint64 kMaxInbox = 256 * 1024;
    // How long a closing wire may take to hand its last messages to the peer.
    static constexpr int kLingerMs = 10000;
    static constexpr int kPingIntervalMs = 20000;
    static constexpr int kPingsUnanswered = 3;

    // Takes over an open WebSocket. Without textOf, bytes are read as UTF-8.
    explicit WebWire(QWebSocket* socket, TextOf textOf = {}, QObject* parent = nullptr);
    ~WebWire() override;

    bool isConnected() const;
    QHostAddress peerAddress() const;

    // Received bytes, every message ending in the terminator.
    qint64 bytesAvailable() const { return inbox_.size(); }
    QByteArray read(qint64 max);

    // Sends each message of `bytes` (terminated messages; empty ones are skipped) as one text
    // message; an unterminated tail counts as a message too.
    void write(std::string_view bytes);
    qint64 bytesToWrite() const;

    // Lets the sent messages go out, closes the WebSocket and deletes the wire when done
    // (at the latest after kLingerMs). With `abort`, drops them and closes at once.
    void finish(bool abort);

  signals:
    void readyRead();
    void bytesWritten();
    void disconnected();
    void failed(QAbstractSocket::SocketError error);
    // More arrived than kMaxInbox while nobody read.
    void overflowed();

  private:
    void take(QByteArrayView message);
    void ping();

    QPointer<QWebSocket> socket_;
    TextOf textOf_;
    QByteArray inbox_;
    bool overflowed_ = false;
    QTimer pinger_;
    int unanswered_ = 0;
};

}  // namespace hexaline::transport
