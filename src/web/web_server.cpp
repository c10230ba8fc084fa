#include "web/web_server.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSslCertificate>
#include <QSslKey>
#include <QTimer>
#include <QWebSocket>

#include "text/text_codec.h"
#include "transport/connection.h"
#include "transport/status.h"
#include "transport/web_wire.h"
#include "web/web_files.h"
#include "web/web_origin.h"

namespace hexaline::web {

namespace {

// The path of the game socket.
constexpr char kPlayPath[] = "/play";
// How long a refused socket may take to close.
constexpr int kRefusedLingerMs = 5000;

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
    if (!head && !body.isEmpty())
        responder.writeBody(body);
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

void WebServer::takeWebSockets() {
    while (hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = nextPendingWebSocketConnection();
        if (!socket)
            continue;
        const QString address = socket->peerAddress().toString();
        const QByteArray origin = socket->origin().toLatin1();
        const QByteArray host = socket->request().rawHeader("Host");
        const bool atPlay = socket->requestUrl().path() == QLatin1String(kPlayPath);
        // A page of another site may not play here in its visitor's name. A client that is
        // no browser sends no Origin; it could connect over TCP all the same.
        const bool fromOwnPage = origin.isEmpty() || sameOrigin(origin, host, secure_);
        if (!atPlay || !fromOwnPage) {
            log(QStringLiteral("refused a browser connection from %1 (%2)")
                    .arg(address, atPlay ? QStringLiteral("origin ") + QString::fromLatin1(origin)
                                         : QStringLiteral("path ") + socket->requestUrl().path()));
            QWebSocket* refused = socket.release();
            refused->setParent(this);
            connect(refused, &QWebSocket::disconnected, refused, &QObject::deleteLater);
            QTimer::singleShot(kRefusedLingerMs, refused, [refused] {
                refused->abort();
                refused->deleteLater();
            });
            refused->close(QWebSocketProtocol::CloseCodePolicyViolated,
                           QStringLiteral("Not this page's game"));
            continue;
        }
        auto* wire = new transport::WebWire(
            socket.release(), [](QByteArrayView bytes) { return text::decodeText(bytes); });
        auto* connection = new transport::Connection(wire);
        log(QStringLiteral("browser connection %1 from %2").arg(connection->id()).arg(address));
        link_.adopt(connection);
    }
}

void WebServer::log(const QString& line) {
    if (log_)
        log_(line);
}

}  // namespace hexaline::web
