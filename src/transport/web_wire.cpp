#include "transport/web_wire.h"

#include <QCoreApplication>
#include <QTimer>

#include "protocol/framer.h"
#include "protocol/message_table.h"

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
    inbox_.append(message);
    inbox_.append(protocol::kTerminator);
    emit readyRead();
}

QByteArray WebWire::read(qint64 max) {
    const QByteArray head = inbox_.left(max);
    inbox_.remove(0, head.size());
    return head;
}

void WebWire::write(std::string_view bytes) {
    if (!socket_)
        return;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find(protocol::kTerminator);
        const std::string_view message = bytes.substr(0, end);
        if (!message.empty()) {
            const QByteArrayView view(message.data(), static_cast<qsizetype>(message.size()));
            socket_->sendTextMessage(textOf_ ? textOf_(view) : QString::fromUtf8(view));
        }
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
}

qint64 WebWire::bytesToWrite() const {
    return socket_ ? socket_->bytesToWrite() : 0;
}

void WebWire::finish(bool abort) {
    inbox_.clear();
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
