// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's listening socket: all local addresses, backlog 5.

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <cstdint>

namespace hexaline::transport {

class Listener : public QObject {
    Q_OBJECT
  public:
    static constexpr int kBacklog = 5;

    explicit Listener(QObject* parent = nullptr);

    // Starts listening on `port` (0: any free port) of `address`. False when it cannot;
    // errorText() then holds "Listen - Error Binding Socket" or "Listen - Error Starting Listen".
    bool listen(std::uint16_t port, const QHostAddress& address = QHostAddress(QHostAddress::Any));
    bool isListening() const { return server_.isListening(); }
    // The port actually listened on.
    std::uint16_t port() const { return server_.serverPort(); }
    QString errorText() const { return errorText_; }

    // The next waiting connection, or null; the caller owns it.
    QTcpSocket* accept() { return server_.nextPendingConnection(); }

  signals:
    // Connections are waiting to be accepted.
    void pending();

  private:
    QTcpServer server_;
    QString errorText_;
};

}  // namespace hexaline::transport
