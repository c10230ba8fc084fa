// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/web_wire.h"

#include <QCoreApplication>
#include <QTimer>

#include "protocol/framer.h"
#include "protocol/message_table.h"
#include "transport/web_framing.h"

namespace hexaline::transport {

WebWire::WebWire(QWebSocket* socket, TextOf textOf, QObject* parent)
    : QObject(parent), socket_(socket), textOf_(std::move(textOf)) {
    socket_->setParent(this);
    // A message over the size cap is refused by the WebSocket itself, which then closes; one
    // of exactly the cap plus its terminator would still pass the host's framer.
    socket_->setMaxAllowedIncomingMessageSize(protocol::Framer::kMaxRemainder);
    socket_->setMaxAllowedIncomingFrameSize(protocol::Framer::kMaxRemainder);
    connect(socket_, &QWebSocket::textMessageReceived, this,
            [this](const QString& message) { take(message.toUtf8()); });
    connect(socket_, &QWebSocket::binaryMessageReceived, this,
            [this](const QByteArray& message) { take(message); });
    connect(socket_, &QWebSocket::bytesWritten, this, &WebWire::bytesWritten);
    connect(socket_, &QWebSocket::pong, this, [this] { unanswered_ = 0; });
    // Anything the peer sends shows it is there.
    connect(socket_, &QWebSocket::textFrameReceived, this, [this] { unanswered_ = 0; });
    connect(socket_, &QWebSocket::binaryFrameReceived, this, [this] { unanswered_ = 0; });
    connect(&pinger_, &QTimer::timeout, this, &WebWire::ping);
    pinger_.start(kPingIntervalMs);
    connect(socket_, &QWebSocket::disconnected, this, [this] {
        if (socket_ && socket_->closeCode() == QWebSocketProtocol::CloseCodeTooMuchData)
            qWarning("WebSocket from %s sent a message over %zu bytes: closed",
                     qPrintable(socket_->peerAddress().toString().remove("::ffff:")),
                     protocol::Framer::kMaxRemainder);
        emit disconnected();
    });
    connect(socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            &WebWire::failed);
}

WebWire::~WebWire() = default;

bool WebWire::isConnected() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

QHostAddress WebWire::peerAddress() const {
    return socket_ ? socket_->peerAddress() : QHostAddress();
}

void WebWire::take(QByteArrayView message) {
    if (overflowed_)
        return;
    if (inbox_.size() + message.size() + 1 > kMaxInbox) {
        overflowed_ = true;
        emit overflowed();
        return;
    }
    std::string bytes;
    appendWebMessage(std::string_view(message.data(), static_cast<std::size_t>(message.size())),
                     bytes);
    inbox_.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
    emit readyRead();
}

void WebWire::ping() {
    if (!socket_)
        return;
    if (unanswered_ >= kPingsUnanswered) {
        pinger_.stop();
        qWarning("WebSocket from %s answered no ping for %d s: closing it",
                 qPrintable(socket_->peerAddress().toString().remove("::ffff:")),
                 kPingsUnanswered * kPingIntervalMs / 1000);
        socket_->abort();  // reported as a close by the peer
        return;
    }
    ++unanswered_;
    socket_->ping();
}

QByteArray WebWire::read(qint64 max) {
    const QByteArray head = inbox_.left(max);
    inbox_.remove(0, head.size());
    return head;
}

void WebWire::write(std::string_view bytes) {
    if (!socket_)
        return;
    for (const std::string_view message : webMessagesOf(bytes)) {
        const QByteArrayView view(message.data(), static_cast<qsizetype>(message.size()));
        socket_->sendTextMessage(textOf_ ? textOf_(view) : QString::fromUtf8(view));
    }
}

qint64 WebWire::bytesToWrite() const {
    return socket_ ? socket_->bytesToWrite() : 0;
}

void WebWire::finish(bool abort) {
    inbox_.clear();
    pinger_.stop();
    if (!socket_ || abort || socket_->state() != QAbstractSocket::ConnectedState) {
        if (socket_)
            socket_->abort();
        deleteLater();
        return;
    }
    // Closing sends the close message after everything already sent; the peer answers it.
    setParent(QCoreApplication::instance());
    connect(socket_, &QWebSocket::disconnected, this, &QObject::deleteLater);
    QTimer::singleShot(kLingerMs, this, [this] {
        if (socket_)
            socket_->abort();
        deleteLater();
    });
    socket_->close();
}

}  // namespace hexaline::transport
