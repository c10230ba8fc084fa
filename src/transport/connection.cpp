#include "transport/connection.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QTimer>
#include <cerrno>
#include <vector>

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

// The system error number behind a socket error, where there is one.
int systemErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return ECONNREFUSED;
        case QAbstractSocket::RemoteHostClosedError:
            return ECONNRESET;
        case QAbstractSocket::SocketTimeoutError:
            return ETIMEDOUT;
        case QAbstractSocket::NetworkError:
            return ENETUNREACH;
        case QAbstractSocket::SocketAccessError:
            return EACCES;
        default:
            return static_cast<int>(error);
    }
}

QString errorText(QAbstractSocket::SocketError error) {
    const QMetaEnum names = QMetaEnum::fromType<QAbstractSocket::SocketError>();
    const char* name = names.valueToKey(error);
    return QStringLiteral("Error #%1 (%2)")
        .arg(systemErrorNumber(error))
        .arg(QString::fromLatin1(name ? name : "UnknownSocketError"));
}

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

Connection::~Connection() {
    if (!closed_)
        release();
}

void Connection::attach() {
    socket_->setReadBufferSize(kReadBufferSize);
    // Game messages are small and answered at once: send each without waiting for the
    // acknowledgement of the one before (no Nagle delay).
    if (socket_->state() == QAbstractSocket::ConnectedState)
        socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket_, &QTcpSocket::readyRead, this, &Connection::readIncoming);
    connect(socket_, &QTcpSocket::connected, this, &Connection::onConnected);
    connect(socket_, &QTcpSocket::hostFound, this, &Connection::hostFound);
    connect(socket_, &QTcpSocket::errorOccurred, this, &Connection::onError);
    connect(socket_, &QTcpSocket::disconnected, this, &Connection::onPeerClosed);
}

void Connection::connectToHost(const QString& host, std::uint16_t port) {
    if (closed_ || !socket_ || socket_->state() != QAbstractSocket::UnconnectedState)
        return;
    socket_->connectToHost(host, port);
}

bool Connection::isConnected() const {
    return !closed_ && socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

// Dotted IPv4 where the peer is an IPv4 client of a listener on all addresses.
QString Connection::peerAddress() const {
    if (!socket_)
        return QString();
    const QHostAddress address = socket_->peerAddress();
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}

bool Connection::send(std::string_view message) {
    if (!isConnected()) {
        qWarning("%s", kSendNotConnected);
        return false;
    }
    socket_->write(message.data(), static_cast<qint64>(message.size()));
    return true;
}

void Connection::readIncoming() {
    if (closed_ || !socket_)
        return;
    QPointer<Connection> self(this);
    while (socket_->bytesAvailable() > 0) {
        const QByteArray bytes = socket_->read(kReadBufferSize);
        std::vector<std::string> messages;
        const bool withinCap =
            framer_.feed(std::string_view(bytes.constData(), bytes.size()), messages);
        for (auto& message : messages) {
            if (sink_ && !sink_(*this, std::move(message))) {
                qWarning("Connection %d from %s sends more than can be queued: closing it", id_,
                         qPrintable(peerAddress()));
                close();
                return;
            }
            if (!self)
                return;
        }
        if (!withinCap) {
            qWarning(
                "Connection %d from %s sent an unterminated message over %zu bytes: closing it",
                id_, qPrintable(peerAddress()), protocol::Framer::kMaxRemainder);
            close();
            return;
        }
        if (closed_ || !socket_)
            return;
    }
}

void Connection::onConnected() {
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
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
    report(InfoKind::Error, errorText(error));
}

void Connection::onPeerClosed() {
    if (closed_)
        return;
    readIncoming();  // whatever came before the close
    if (closed_)
        return;
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
    if (!socket_)
        return;
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->flush();
    if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() > 0) {
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
