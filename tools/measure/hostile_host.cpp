// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/measure/hostile_host.h"

#include "protocol/builder.h"
#include "protocol/reader.h"

namespace hexaline::measure {

using protocol::Msg;

namespace {
// The seat a real host gives the first player who joins it.
constexpr int kFirstSeat = 2;
}  // namespace

HostileHost::HostileHost(unsigned seed, QObject* parent) : QObject(parent), mix_(seed) {
    connect(&server_, &QTcpServer::newConnection, this, &HostileHost::accept);
}

quint16 HostileHost::listen() {
    return server_.listen(QHostAddress::LocalHost, 0) ? server_.serverPort() : 0;
}

void HostileHost::setFlooding(bool on) {
    flooding_ = on;
    sendBatches();
}

// Seats the client as a real host does: the seat assignment first, the announcements after its
// login.
void HostileHost::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections_;
        if (client_) {
            socket->write(protocol::build(Msg::Full).c_str());
            socket->disconnectFromHost();
            continue;
        }
        client_ = socket;
        connect(socket, &QTcpSocket::readyRead, this, &HostileHost::read);
        connect(socket, &QTcpSocket::bytesWritten, this, &HostileHost::sendBatches);
        send(protocol::build(Msg::SendLoginInfo, {kFirstSeat}));
    }
}

void HostileHost::read() {
    std::vector<std::string> messages;
    const QByteArray bytes = client_->readAll();
    if (!framer_.feed(std::string_view(bytes.constData(), std::size_t(bytes.size())), messages)) {
        client_->abort();
        return;
    }
    for (const std::string& message : messages) {
        const auto command = protocol::splitCommand(message);
        if (!command || protocol::lookup(protocol::Direction::ToHost, command->word) != Msg::Login)
            continue;  // plays, chats and passes of the client go unheard
        if (!seated_) {
            seated_ = true;
            const protocol::Decoded login = protocol::decode(Msg::Login, command->args);
            const std::string name = login.head.size() == 3 ? login.head[2] : std::string();
            send(protocol::build(Msg::NewPlayerInfo, {}, {{kFirstSeat, name, "0"}}));
            send(protocol::build(Msg::ExistingPlayers, {}, {{1, "Host", "0"}}));
        } else {
            ++answered_;
        }
    }
    sendBatches();
}

void HostileHost::sendBatches() {
    if (!client_ || !seated_)
        return;
    while (flooding_ && batches_ - answered_ < kBatchesInFlight) {
        const bool odd = malformed();
        std::string batch;
        for (int n = 0; n < kBatchMessages && qint64(batch.size()) < kBatchBytes; ++n) {
            batch += mix_.next(odd);
            ++sent_;
        }
        batch += mix_.seatAssignment();
        ++sent_;
        ++batches_;
        send(batch);
    }
}

void HostileHost::send(const std::string& message) {
    bytes_ += qint64(message.size());
    client_->write(message.data(), qint64(message.size()));
}

}  // namespace hexaline::measure
