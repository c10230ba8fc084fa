// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/lobby/http_get.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QSslSocket>
#include <QTcpSocket>
#include <algorithm>

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
    secure_ = secure;
    tlsClosed_ = false;
    failure_ = Failure::None;
    status_ = 0;
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
    reader_ = std::make_unique<HttpResponseReader>(
        std::move(events), static_cast<std::uint64_t>(std::max<qint64>(0, maxBodyBytes_)));

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

QString HttpGet::tlsClosedText() {
    // The backend's own words, translated as it translates them.
    return QCoreApplication::translate("QSslSocket", "The TLS/SSL connection has been closed");
}

QString HttpGet::failureText(Failure failure, int status, const QString& detail) {
    switch (failure) {
        case Failure::None:
            return {};
        case Failure::Aborted:
            return QStringLiteral("The download was stopped.");
        case Failure::NotFound:
            return QStringLiteral("The installer was not found on the download server.");
        case Failure::Refused:
            return status > 0 ? QStringLiteral(
                                    "The download server refused the request "
                                    "(HTTP status %1).")
                                    .arg(status)
                              : QStringLiteral("The download server refused the connection.");
        case Failure::HostNotFound:
            return QStringLiteral("The download server could not be found.");
        case Failure::Untrusted:
            return QStringLiteral(
                "The download server's certificate cannot be trusted, so "
                "nothing was downloaded.");
        case Failure::EndedEarly:
            return QStringLiteral("The transfer ended early, before the whole file arrived.");
        case Failure::TooLarge: {
            const qint64 bound = detail.toLongLong();
            const QString size = bound >= (qint64{1} << 20)
                                     ? QStringLiteral("%1 MiB").arg(bound >> 20)
                                     : QStringLiteral("%1 bytes").arg(bound);
            return QStringLiteral("The download was stopped because the file is larger than %1.")
                .arg(size);
        }
        case Failure::WriteFailed:
            return QStringLiteral("The downloaded file could not be written.");
        case Failure::BadResponse:
            return QStringLiteral("The download server's answer could not be read.");
        case Failure::Network:
            return QStringLiteral("The download failed: %1.").arg(detail);
    }
    return {};
}

void HttpGet::socketReadyRead() {
    if (socket_ == nullptr)
        return;
    const QByteArray data = socket_->readAll();
    const bool fed = reader_->feed(data.constData(), static_cast<std::size_t>(data.size()));
    status_ = reader_->status();
    if (!fed) {
        if (reader_->tooLarge())
            fail(Failure::TooLarge, QString::number(maxBodyBytes_));
        else
            fail(Failure::BadResponse);
        return;
    }
    if (sinkFailed_) {
        fail(Failure::WriteFailed);
        return;
    }
    // An error page is not read on: the status says all.
    if (reader_->inBody() && !reader_->success()) {
        fail(status_ == 404 || status_ == 410 ? Failure::NotFound : Failure::Refused);
    }
}

void HttpGet::socketEnded() {
    if (socket_ == nullptr)
        return;
    socketReadyRead();
    if (socket_ == nullptr)
        return;
    if (!reader_->inBody()) {
        fail(reader_->status() > 0 ? Failure::EndedEarly : Failure::BadResponse);
    } else if (reader_->contentLength() && reader_->bodyBytes() < *reader_->contentLength()) {
        fail(Failure::EndedEarly);
    } else if (!reader_->contentLength() && secure_ && !tlsClosed_) {
        // Without a length only the server's TLS close proves the end; a TCP close without it
        // may be anybody's cut.
        fail(Failure::EndedEarly);
    } else if (reader_->complete()) {
        end(true, {}, false);
    } else {
        fail(Failure::BadResponse);
    }
}

void HttpGet::socketFailed() {
    if (socket_ == nullptr)
        return;
    switch (socket_->error()) {
        case QAbstractSocket::RemoteHostClosedError:
            // An HTTP/1.0 server ends the document by closing the connection; over TLS its
            // close_notify is reported first, by the TLS layer, in its own words.
            if (secure_ && socket_->errorString() == tlsClosedText())
                tlsClosed_ = true;
            return socketEnded();
        case QAbstractSocket::ConnectionRefusedError:
            return fail(Failure::Refused);
        case QAbstractSocket::HostNotFoundError:
            return fail(Failure::HostNotFound);
        case QAbstractSocket::SslHandshakeFailedError:
            return fail(Failure::Untrusted);
        default:
            return fail(Failure::Network, socket_->errorString());
    }
}

void HttpGet::abort() {
    if (running())
        fail(Failure::Aborted, {}, true);
}

void HttpGet::fail(Failure failure, const QString& detail, bool queued) {
    failure_ = failure;
    end(false, failureText(failure, status_, detail), queued);
}

void HttpGet::end(bool ok, const QString& error, bool queued) {
    QAbstractSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    QString why = error;
    if (sinkFailed_ && failure_ != Failure::Aborted) {
        ok = false;
        failure_ = Failure::WriteFailed;
        why = failureText(failure_, status_);
    }
    if (queued) {
        QMetaObject::invokeMethod(
            this, [this, ok, why] { emit finished(ok, why); }, Qt::QueuedConnection);
    } else {
        emit finished(ok, why);
    }
}

}  // namespace hexaline::lobby
