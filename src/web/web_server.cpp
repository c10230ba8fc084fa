// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/web_server.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSslCertificate>
#include <QSslKey>
#include <QWebSocket>

#include "text/text_codec.h"
#include "transport/address_text.h"
#include "transport/connection.h"
#include "transport/status.h"
#include "transport/web_wire.h"
#include "web/web_files.h"
#include "web/web_origin.h"

namespace hexaline::web {

namespace {

// The path of the game socket.
constexpr char kPlayPath[] = "/play";

using Status = QHttpServerResponder::StatusCode;

void answer(QHttpServerResponder& responder, const QHttpServerRequest& request, Status status,
            const QByteArray& type, const QByteArray& body, bool secure) {
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    responder.writeStatusLine(status);
    responder.writeHeader("Content-Type", type);
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    responder.writeHeader("Content-Security-Policy", securityPolicy(request.value("Host"), secure));
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeHeader("Referrer-Policy", "no-referrer");
    responder.writeHeader("Cache-Control", "no-cache");
    // The body write also ends the headers: it is made even when nothing follows them.
    responder.writeBody(head ? QByteArray() : body);
}

}  // namespace

WebServer::WebServer(transport::HostLink& link, QObject* parent)
    : QAbstractHttpServer(parent), link_(link) {
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &WebServer::takeWebSockets);
}

bool WebServer::useTls(const QString& certificateFile, const QString& keyFile) {
    errorText_.clear();
    QFile certificateIn(certificateFile);
    QFile keyIn(keyFile);
    if (!certificateIn.open(QIODevice::ReadOnly)) {
        errorText_ = QStringLiteral("Cannot read the certificate %1").arg(certificateFile);
        return false;
    }
    if (!keyIn.open(QIODevice::ReadOnly)) {
        errorText_ = QStringLiteral("Cannot read the private key %1").arg(keyFile);
        return false;
    }
    const QList<QSslCertificate> certificates =
        QSslCertificate::fromData(certificateIn.readAll(), QSsl::Pem);
    const QByteArray keyBytes = keyIn.readAll();
    QSslKey key(keyBytes, QSsl::Rsa, QSsl::Pem);
    if (key.isNull())
        key = QSslKey(keyBytes, QSsl::Ec, QSsl::Pem);
    if (certificates.isEmpty() || certificates.first().isNull()) {
        errorText_ = QStringLiteral("No certificate in %1").arg(certificateFile);
        return false;
    }
    if (key.isNull()) {
        errorText_ = QStringLiteral("No private key in %1").arg(keyFile);
        return false;
    }
    sslSetup(certificates.first(), key);
    secure_ = true;
    return true;
}

bool WebServer::listen(std::uint16_t port) {
    errorText_.clear();
    port_ = QAbstractHttpServer::listen(QHostAddress::Any, port);
    if (port_ == 0) {
        errorText_ = QString::fromLatin1(transport::kErrorBinding);
        return false;
    }
    return true;
}

bool WebServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    // A WebSocket's opening request: answered by the server, which then hands the socket
    // over, when it is taken here; refused (the connection closed) otherwise.
    if (request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0) {
        if (!takesWebSocket(request))
            return false;
        // Game messages are small and answered at once, as on the TCP port: no Nagle delay.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }
    QHttpServerResponder responder = makeResponder(request, socket);
    const auto method = request.method();
    if (method != QHttpServerRequest::Method::Get && method != QHttpServerRequest::Method::Head) {
        answer(responder, request, Status::MethodNotAllowed, "text/plain; charset=utf-8",
               "Method not allowed\n", secure_);
        return true;
    }
    const std::optional<WebFile> file = findWebFile(request.url().path());
    QFile in(file ? file->resource : QString());
    if (!file || !in.open(QIODevice::ReadOnly)) {
        answer(responder, request, Status::NotFound, "text/plain; charset=utf-8", "Not found\n",
               secure_);
        return true;
    }
    answer(responder, request, Status::Ok, file->contentType, in.readAll(), secure_);
    return true;
}

void WebServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder responder = makeResponder(request, socket);
    answer(responder, request, Status::NotFound, "text/plain; charset=utf-8", "Not found\n",
           secure_);
}

// A page of another site may not play here in its visitor's name. A client that is no
// browser sends no Origin; it could connect over TCP all the same.
bool WebServer::takesWebSocket(const QHttpServerRequest& request) {
    const QByteArray origin = request.value("Origin");
    const bool atPlay = request.url().path() == QLatin1String(kPlayPath);
    if (atPlay && (origin.isEmpty() || sameOrigin(origin, request.value("Host"), secure_)))
        return true;
    const QString address = transport::addressText(request.remoteAddress());
    log(QStringLiteral("refused a browser connection from %1 (%2)")
            .arg(address, atPlay ? QStringLiteral("origin ") + QString::fromLatin1(origin)
                                 : QStringLiteral("path ") + request.url().path()));
    return false;
}

void WebServer::takeWebSockets() {
    while (hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = nextPendingWebSocketConnection();
        if (!socket)
            continue;
        auto* wire = new transport::WebWire(
            socket.release(), [](QByteArrayView bytes) { return text::decodeText(bytes); });
        auto* connection = new transport::Connection(wire);
        log(QStringLiteral("browser connection %1 from %2")
                .arg(connection->id())
                .arg(connection->peerAddress()));
        link_.adopt(connection);
    }
}

void WebServer::log(const QString& line) {
    if (log_)
        log_(line);
}

}  // namespace hexaline::web
