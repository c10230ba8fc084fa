// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A browser's side of the game socket, with nothing of the browser client behind it: one
// protocol message per WebSocket text message, without the terminator. It logs in when given
// a seat and keeps every message it receives.

#include <QWebSocket>
#include <memory>
#include <string>
#include <vector>

#include "protocol/builder.h"
#include "protocol/reader.h"
#include "support/received_log.h"
#include "support/wait_for.h"

namespace hexaline::support {

class WebClient : public ReceivedLog {
  public:
    // `origin` goes in the Origin header; empty sends none (a client that is no browser).
    explicit WebClient(std::string name, const QString& origin)
        : name_(std::move(name)), socket_(std::make_unique<QWebSocket>(origin)) {
        QObject::connect(socket_.get(), &QWebSocket::textMessageReceived,
                         [this](const QString& text) { take(text.toUtf8().toStdString()); });
        QObject::connect(socket_.get(), &QWebSocket::disconnected, [this] { closed_ = true; });
    }

    void open(quint16 port, const QString& path = QStringLiteral("/play")) {
        socket_->open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(port).arg(path)));
    }
    bool waitSeated(int ms = 5000) {
        return waitFor([this] { return seat_ != 0; }, ms);
    }
    bool waitClosed(int ms = 5000) {
        return waitFor([this] { return closed_; }, ms);
    }
    bool isClosed() const { return closed_; }
    QWebSocket& socket() { return *socket_; }

    // Sends one protocol message as built by the table, its terminators removed.
    void send(std::string message) {
        while (!message.empty() && message.back() == protocol::kTerminator)
            message.pop_back();
        socket_->sendTextMessage(QString::fromUtf8(message));
    }

    int seat() const { return seat_; }

  private:
    void take(std::string message) {
        const auto command = protocol::splitCommand(message);
        if (command && command->word == protocol::layoutOf(protocol::Msg::SendLoginInfo).word) {
            protocol::Reader r(protocol::Msg::SendLoginInfo, command->args);
            seat_ = r.number();
            send(protocol::build(protocol::Msg::Login, {seat_, "1.0.1", name_}));
        }
        keep(std::move(message));
    }

    std::string name_;
    std::unique_ptr<QWebSocket> socket_;
    int seat_ = 0;
    bool closed_ = false;
};

}  // namespace hexaline::support
