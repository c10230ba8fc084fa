// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/lobby/http_get.h"

#include <QIODevice>
#include <QSslSocket>
#include <QTcpSocket>

namespace hexaline::lobby {

HttpGet::HttpGet(QObject* parent) : QObject(parent) {}

HttpGet::~HttpGet() {
    if (socket_ != nullptr) {
        socket_->disconnect(this);
        socket_->abort();
    }
}

QByteArray HttpGet::requestBytes(const QUrl& url) {
    QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty())
        path = "/";
    if (url.hasQuery())
        path += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    return "GET " + path +
           " HTTP/1.0\r\n"
           "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
           "User-Agent: Mozilla/3.0 (compatible)\r\n"
           "Host: " +
           host +
           "\r\n"
           "\r\n";
}

bool HttpGet::start(const QUrl& url, QIODevice* sink) {
    if (running() || sink == nullptr || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    const bool secure = scheme == QLatin1String("https");
    if (!secure && scheme != QLatin1String("http"))
        return false;
    sink_ = sink;
    sinkFailed_ = false;
    request_ = requestBytes(url);
    HttpResponseReader::Events events;
    events.headerLine = [this](std::string_view line) {
        emit headerLine(QByteArray(line.data(), static_cast<qsizetype>(line.size())));
    };
    events.bodyStarted = [this] { emit bodyStarted(); };
    events.body = [this](const char* data, std::size_t size, std::uint64_t total) {
        const auto length = static_cast<qint64>(size);
        if (sink_ == nullptr || sink_->write(data, length) != length)
            sinkFailed_ = true;
        emit bodyData(static_cast<qint64>(total));
    };
    reader_ = std::make_unique<HttpResponseReader>(std::move(events));

    const quint16 port = static_cast<quint16>(url.port(secure ? 443 : 80));
    if (secure) {
        auto* socket = new QSslSocket(this);
        socket->setSslConfiguration(ssl_);
        socket_ = socket;
        connect(socket, &QSslSocket::encrypted, this, [this] { socket_->write(request_); });
        socket->connectToHostEncrypted(url.host(), port);
    } else {
        socket_ = new QTcpSocket(this);
        connect(socket_, &QAbstractSocket::connected, this, [this] { socket_->write(request_); });
        socket_->connectToHost(url.host(), port);
    }
    connect(socket_, &QAbstractSocket::readyRead, this, &HttpGet::socketReadyRead);
    connect(socket_, &QAbstractSocket::disconnected, this, &HttpGet::socketEnded);
    connect(socket_, &QAbstractSocket::errorOccurred, this, &HttpGet::socketFailed);
    return true;
}

void HttpGet::socketReadyRead() {
    if (socket_ == nullptr)
        return;
    const QByteArray data = socket_->readAll();
    if (!reader_->feed(data.constData(), static_cast<std::size_t>(data.size()))) {
        end(false, QString::fromStdString(reader_->error()), false);
        return;
    }
    if (sinkFailed_)
        end(false, QStringLiteral("the file could not be written"), false);
}

void HttpGet::socketEnded() {
    if (socket_ == nullptr)
        return;
    socketReadyRead();
    if (socket_ == nullptr)
        return;
    if (reader_->complete()) {
        end(true, {}, false);
    } else if (reader_->inBody() && reader_->contentLength() &&
               reader_->bodyBytes() < *reader_->contentLength()) {
        end(false, QStringLiteral("the transfer ended early"), false);
    } else if (reader_->inBody()) {
        end(false, QStringLiteral("HTTP status ") + QString::number(reader_->status()), false);
    } else {
        end(false, QStringLiteral("the connection ended before the document"), false);
    }
}

void HttpGet::socketFailed() {
    if (socket_ == nullptr)
        return;
    // An HTTP/1.0 server ends the document by closing the connection.
    if (socket_->error() == QAbstractSocket::RemoteHostClosedError)
        return socketEnded();
    end(false, socket_->errorString(), false);
}

void HttpGet::abort() {
    if (running())
        end(false, QStringLiteral("aborted"), true);
}

void HttpGet::end(bool ok, const QString& error, bool queued) {
    QAbstractSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    if (ok && sinkFailed_) {
        ok = false;
    }
    const QString why =
        ok ? QString() : (sinkFailed_ ? QStringLiteral("the file could not be written") : error);
    if (queued) {
        QMetaObject::invokeMethod(
            this, [this, ok, why] { emit finished(ok, why); }, Qt::QueuedConnection);
    } else {
        emit finished(ok, why);
    }
}

}  // namespace hexaline::lobby
