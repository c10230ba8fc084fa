#pragma once
// One TCP connection of the game: an accepted one on the host, or the client's own. It sends
// whole messages, cuts what it receives into messages at the terminator byte and hands each
// to its sink, and reports its state changes with the socket status texts.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpSocket>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "protocol/framer.h"
#include "transport/status.h"

namespace hexaline::transport {

class Connection : public QObject {
    Q_OBJECT
  public:
    // Receives every complete message, terminator removed. Returning false means the
    // connection has sent more than its owner will hold: the connection is closed.
    using Sink = std::function<bool(Connection& from, std::string message)>;

    // A connection that is not open yet (the client's), to be opened with connectToHost.
    explicit Connection(QObject* parent = nullptr);
    // Takes over a connected socket (an accepted connection).
    explicit Connection(QTcpSocket* socket, QObject* parent = nullptr);
    ~Connection() override;

    // Unique in the process, never reused; 0 is never an id.
    int id() const { return id_; }
    // Free for the owner (the host keeps the seat number here).
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    void setSink(Sink sink) { sink_ = std::move(sink); }

    // Starts connecting and returns at once. A name that cannot be resolved is reported with
    // lookupFailed; a connection that cannot be made only with an "Error #" status text.
    void connectToHost(const QString& host, std::uint16_t port);
    bool isConnected() const;
    QString peerAddress() const;

    // Sends one whole message in one write. False, with "Send - Socket Not Connected" logged,
    // when the connection is not connected.
    bool send(std::string_view message);

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
    // Status texts: "Non-Blocking Socket Connected" (1), "Socket Closed" (2), "Error #..." (7).
    void info(int kind, const QString& text);

  private:
    void attach();
    void readIncoming();
    void onConnected();
    void onError(QAbstractSocket::SocketError error);
    void onPeerClosed();
    void release();
    void report(InfoKind kind, const QString& text);

    QPointer<QTcpSocket> socket_;
    protocol::Framer framer_;
    Sink sink_;
    int id_;
    int tag_ = 0;
    bool closed_ = false;
};

}  // namespace hexaline::transport
