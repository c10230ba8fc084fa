// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's web server: the browser client's page and files at "/", and the game socket at
// "/play", on one port. Each game socket becomes a connection of the host like any TCP one.
// A socket from a page of another origin, or at another path, is refused.

#include <QAbstractHttpServer>
#include <QString>
#include <cstdint>
#include <functional>

#include "transport/host_link.h"

namespace hexaline::web {

class WebServer : public QAbstractHttpServer {
    Q_OBJECT
  public:
    static constexpr std::uint16_t kDefaultPort = 7773;

    // Connections go to `link`, which must outlive the server.
    explicit WebServer(transport::HostLink& link, QObject* parent = nullptr);

    // Serves over TLS from here on, with a PEM certificate and private key. False, with
    // errorText(), when a file cannot be read or holds no certificate or key.
    bool useTls(const QString& certificateFile, const QString& keyFile);
    bool isSecure() const { return secure_; }

    // Listens on all local addresses (0: any free port). False, with errorText(), when it
    // cannot.
    bool listen(std::uint16_t port);
    std::uint16_t port() const { return port_; }
    QString errorText() const { return errorText_; }

    // One line of the host's log for every game socket taken or refused.
    void setLog(std::function<void(const QString&)> log) { log_ = std::move(log); }

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    bool takesWebSocket(const QHttpServerRequest& request);
    void takeWebSockets();
    void log(const QString& line);

    transport::HostLink& link_;
    std::function<void(const QString&)> log_;
    std::uint16_t port_ = 0;
    bool secure_ = false;
    QString errorText_;
};

}  // namespace hexaline::web
