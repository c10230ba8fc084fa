// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/connection.h"

#include <QCoreApplication>
#include <QTimer>
#include <cerrno>
#include <vector>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include "transport/address_text.h"

namespace hexaline::transport {

namespace {

int nextId() {
    static int last = 0;
    return ++last;
}

// A peer can make us buffer no more than this before we read it.
constexpr qint64 kReadBufferSize = 64 * 1024;
// How long a closed connection may take to hand its last bytes to the system.
constexpr int kLingerMs = 10000;

}  // namespace

Connection::Connection(QObject* parent)
    : QObject(parent), socket_(new QTcpSocket(this)), id_(nextId()) {
    attach();
}

Connection::Connection(QTcpSocket* socket, QObject* parent)
    : QObject(parent), socket_(socket), id_(nextId()) {
    socket_->setParent(this);
    attach();
    // Bytes may have arrived before we took the socket over.
    if (socket_->bytesAvailable() > 0)
        QTimer::singleShot(0, this, &Connection::readIncoming);
}

Connection::Connection(WebWire* wire, QObject* parent)
    : QObject(parent), web_(wire), socket_(nullptr), id_(nextId()) {
    web_->setParent(this);
    attachWeb();
    if (web_->bytesAvailable() > 0)
        QTimer::singleShot(0, this, &Connection::readIncoming);
}

Connection::~Connection() {
    if (!closed_)
        release();
}

void Connection::attach() {
    socket_->setReadBufferSize(kReadBufferSize);
    // Game messages are small and answered at once: send each without waiting for the
    // acknowledgement of the one before (no Nagle delay).
    if (socket_->state() == QAbstractSocket::ConnectedState) {
        socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        enableKeepAlive();
    }
    watchUnsentOutput();
    connect(socket_, &QTcpSocket::bytesWritten, this, &Connection::onBytesWritten);
    connect(socket_, &QTcpSocket::readyRead, this, &Connection::readIncoming);
    connect(socket_, &QTcpSocket::connected, this, &Connection::onConnected);
    connect(socket_, &QTcpSocket::hostFound, this, &Connection::hostFound);
    connect(socket_, &QTcpSocket::errorOccurred, this, &Connection::onError);
    connect(socket_, &QTcpSocket::disconnected, this, &Connection::onPeerClosed);
}

void Connection::attachWeb() {
    watchUnsentOutput();
    connect(web_, &WebWire::bytesWritten, this, &Connection::onBytesWritten);
    connect(web_, &WebWire::readyRead, this, &Connection::readIncoming);
    connect(web_, &WebWire::failed, this, &Connection::onError);
    connect(web_, &WebWire::disconnected, this, &Connection::onPeerClosed);
    connect(web_, &WebWire::overflowed, this, [this] {
        qWarning("Connection %d from %s sends more than can be held: closing it", id_,
                 qPrintable(peerAddress()));
        close();
    });
}

// Output the peer leaves untaken for kMaxUnsentMs closes the connection.
void Connection::watchUnsentOutput() {
    unsentTimer_.setSingleShot(true);
    unsentTimer_.setInterval(kMaxUnsentMs);
    connect(&unsentTimer_, &QTimer::timeout, this,
            [this] { dropForUnsentOutput("has not taken its data for 30 s"); });
}

qint64 Connection::unsentBytes() const {
    return socket_ ? socket_->bytesToWrite() : web_ ? web_->bytesToWrite() : 0;
}

// A peer that vanishes without closing (a dropped network) is found by the system's probes,
// and the connection then fails like any broken one.
void Connection::enableKeepAlive() {
    socket_->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    const qintptr fd = socket_->socketDescriptor();
    if (fd < 0)
        return;
    const int idle = kKeepAliveIdleS, interval = kKeepAliveIntervalS, probes = kKeepAliveProbes;
    const unsigned userTimeout = kUserTimeoutMs;
    const int sock = static_cast<int>(fd);
    if (::setsockopt(sock, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle) != 0 ||
        ::setsockopt(sock, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval) != 0 ||
        ::setsockopt(sock, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes) != 0 ||
        ::setsockopt(sock, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeout, sizeof userTimeout) != 0) {
        qWarning("Connection %d: keep-alive times not set (errno %d)", id_, errno);
    }
}

void Connection::connectToHost(const QString& host, std::uint16_t port) {
    if (closed_ || !socket_ || socket_->state() != QAbstractSocket::UnconnectedState)
        return;
    socket_->connectToHost(host, port);
}

bool Connection::isConnected() const {
    if (web_)
        return !closed_ && web_->isConnected();
    return !closed_ && socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

// Dotted IPv4 where the peer is an IPv4 client of a listener on all addresses.
QString Connection::peerAddress() const {
    if (!hasWire())
        return QString();
    return addressText(socket_ ? socket_->peerAddress() : web_->peerAddress());
}

bool Connection::send(std::string_view message) {
    if (!isConnected()) {
        qWarning("%s", kSendNotConnected);
        return false;
    }
    if (dropping_)
        return false;
    if (unsentBytes() + static_cast<qint64>(message.size()) > kMaxUnsentBytes) {
        dropForUnsentOutput("does not take its data (over 1 MiB unsent)");
        return false;
    }
    if (web_)
        web_->write(message);
    else
        socket_->write(message.data(), static_cast<qint64>(message.size()));
    if (!unsentTimer_.isActive())
        unsentTimer_.start();
    return true;
}

void Connection::onBytesWritten() {
    if (hasWire() && unsentBytes() == 0)
        unsentTimer_.stop();
}

// A peer that does not read is treated as gone. The close is made from the event loop, so that
// whoever is sending (perhaps to every seat in turn) finishes first.
void Connection::dropForUnsentOutput(const char* why) {
    if (closed_ || dropping_)
        return;
    dropping_ = true;
    unsentTimer_.stop();
    qWarning("Connection %d from %s %s: closing it", id_, qPrintable(peerAddress()), why);
    // The unsent data go with the socket (release() aborts it instead of letting it drain).
    QTimer::singleShot(0, this, &Connection::close);
}

void Connection::resume() {
    if (!waiting_ || closed_)
        return;
    waiting_ = false;
    readIncoming();
}

bool Connection::deliverHeld() {
    QPointer<Connection> self(this);
    while (!held_.empty()) {
        if (!sink_) {
            held_.clear();
            return true;
        }
        switch (sink_(*this, held_.front())) {
            case Intake::Taken:
                break;
            case Intake::Refused:
                if (self) {
                    qWarning("Connection %d from %s sends more than can be queued: closing it", id_,
                             qPrintable(peerAddress()));
                    close();
                }
                return false;
            case Intake::Wait:
                waiting_ = true;
                return false;
        }
        if (!self)
            return false;
        held_.pop_front();
        if (closed_)
            return false;
    }
    return true;
}

void Connection::readIncoming() {
    if (closed_ || !hasWire() || waiting_)
        return;
    QPointer<Connection> self(this);
    if (!deliverHeld())
        return;
    while (socket_ ? socket_->bytesAvailable() > 0 : web_ && web_->bytesAvailable() > 0) {
        const QByteArray bytes =
            socket_ ? socket_->read(kReadBufferSize) : web_->read(kReadBufferSize);
        std::vector<std::string> messages;
        const bool withinCap =
            framer_.feed(std::string_view(bytes.constData(), bytes.size()), messages);
        for (auto& message : messages)
            held_.push_back(std::move(message));
        if (!deliverHeld() || !self)
            return;
        if (!withinCap) {
            qWarning(
                "Connection %d from %s sent an unterminated message over %zu bytes: closing it",
                id_, qPrintable(peerAddress()), protocol::Framer::kMaxRemainder);
            close();
            return;
        }
        if (closed_ || !hasWire())
            return;
    }
}

void Connection::onConnected() {
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    enableKeepAlive();
    report(InfoKind::Connected, QString::fromLatin1(kSocketConnected));
}

void Connection::onError(QAbstractSocket::SocketError error) {
    if (closed_)
        return;
    if (error == QAbstractSocket::RemoteHostClosedError)
        return;  // an ordinary close
    if (error == QAbstractSocket::HostNotFoundError) {
        emit lookupFailed(QString::fromLatin1(kHostNotFound));
        return;
    }
    emit failed(error);
}

void Connection::onPeerClosed() {
    if (closed_)
        return;
    readIncoming();  // whatever came before the close
    if (closed_)
        return;
    if (!held_.empty()) {
        qWarning("Connection %d closed with %zu messages the full queue could not take", id_,
                 held_.size());
        held_.clear();
    }
    QPointer<Connection> self(this);
    emit disconnected();
    if (!self)
        return;
    // The connection closes itself; if the owner already closed it, this is the second report.
    if (!closed_)
        release();
    closed_ = true;
    report(InfoKind::Closed, QString::fromLatin1(kSocketClosed));
}

void Connection::close() {
    if (closed_)
        return;
    release();
    closed_ = true;
    report(InfoKind::Closed, QString::fromLatin1(kSocketClosed));
}

// Lets go of the system socket. Bytes still waiting to be written go out in the background.
void Connection::release() {
    closed_ = true;
    unsentTimer_.stop();
    held_.clear();
    if (web_) {
        WebWire* wire = web_;
        web_ = nullptr;
        wire->disconnect(this);
        wire->finish(dropping_);
        return;
    }
    if (!socket_)
        return;
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    if (!dropping_)
        socket->flush();
    if (!dropping_ && socket->state() == QAbstractSocket::ConnectedState &&
        socket->bytesToWrite() > 0) {
        // Let it finish on its own; the application cleans it up if it never does.
        socket->setParent(QCoreApplication::instance());
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kLingerMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        socket->disconnectFromHost();
        return;
    }
    socket->abort();
    socket->deleteLater();
}

void Connection::report(InfoKind kind, const QString& text) {
    emit info(static_cast<int>(kind), text);
}

}  // namespace hexaline::transport
