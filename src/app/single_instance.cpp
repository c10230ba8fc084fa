// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace hexaline::app {

namespace {
constexpr int kWaitMs = 2000;
constexpr qint64 kMaxRequest = 64;
const QByteArray kRaiseRequest = "raise\n";
}  // namespace

QString defaultInstanceDir() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

SingleInstance::SingleInstance(const QString& dir, QObject* parent)
    : QObject(parent), path_(QDir(dir).filePath(QString::fromLatin1(kInstanceKey))) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptRequests);
}

SingleInstance::Claim SingleInstance::claim() {
    // Two copies started at the same moment take turns here.
    QLockFile claiming(path_ + QStringLiteral(".claim"));
    claiming.tryLock(kWaitMs);
    // Ask first: listening with access options replaces an existing key file, a live one too.
    if (askOtherCopy())
        return Claim::Other;
    if (server_.listen(path_))
        return Claim::First;
    if (server_.serverError() == QAbstractSocket::AddressInUseError) {
        // Left behind by a copy that crashed: nobody answered on it.
        QLocalServer::removeServer(path_);
        if (server_.listen(path_))
            return Claim::First;
    }
    qWarning("Single-instance key %s unavailable: %s", qPrintable(path_),
             qPrintable(server_.errorString()));
    return Claim::Unguarded;
}

bool SingleInstance::askOtherCopy() {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::acceptRequests() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readRequest = [this, socket] {
            if (socket->canReadLine()) {
                const QByteArray line = socket->readLine(kMaxRequest);
                if (line == kRaiseRequest)
                    emit raiseRequested();
                socket->disconnectFromServer();
            } else if (socket->bytesAvailable() > kMaxRequest) {
                socket->abort();  // not one of ours
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        readRequest();
    }
}

}  // namespace hexaline::app
