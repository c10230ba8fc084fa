// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A client that speaks the protocol over a real TCP connection, with nothing of the game's
// window behind it: it logs in, keeps every message it receives, and can play its own turns
// by asking the engine's search for a play on its mirror of the board.

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "engine/host.h"
#include "engine/random.h"
#include "engine/virtual_outlet.h"
#include "protocol/builder.h"
#include "protocol/framer.h"
#include "protocol/reader.h"
#include "support/received_log.h"
#include "support/suggested_play.h"
#include "support/wait_for.h"

namespace hexaline::support {

class RawClient : public ReceivedLog {
  public:
    explicit RawClient(std::string name, std::string version = "1.0.1")
        : name_(std::move(name)), version_(std::move(version)), mirror_(outlet_, random_) {
        QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { read(); });
    }

    void connectTo(quint16 port) { socket_.connectToHost(QStringLiteral("127.0.0.1"), port); }
    // Connects from a given local address: 127.0.0.2 stands for another machine.
    void connectTo(quint16 port, const QString& from) {
        socket_.bind(QHostAddress(from));
        connectTo(port);
    }
    bool waitSeated(int ms = 5000) {
        return waitFor([this] { return seat_ != 0; }, ms);
    }
    bool waitClosed(int ms = 5000) {
        return waitFor([this] { return socket_.state() == QAbstractSocket::UnconnectedState; }, ms);
    }

    // The connection is lost without a goodbye, as when a network drops.
    void drop() { socket_.abort(); }
    // Closes the connection; what was sent before still reaches the host.
    void leave() { socket_.disconnectFromHost(); }

    void sendRaw(const std::string& bytes) {
        socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket_.flush();
    }
    void send(const std::string& message) { sendRaw(message); }

    // Plays its own turns with the engine's search (passing when it finds nothing).
    void setAutoPlay(bool on) { autoplay_ = on; }
    // Called with every message as it arrives, and right before each play is sent.
    std::function<void(const std::string& message)> onMessage;
    std::function<void()> onPlay;
    void forget() { clearReceived(); }

    int seat() const { return seat_; }
    int plays() const { return plays_; }

  private:
    void read() {
        const QByteArray bytes = socket_.readAll();
        std::vector<std::string> messages;
        framer_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     messages);
        for (std::string& m : messages) {
            if (onMessage)
                onMessage(m);
            handle(m);
            keep(std::move(m));
        }
    }

    void handle(const std::string& message) {
        const auto command = protocol::splitCommand(message);
        if (!command)
            return;
        const auto id = protocol::lookup(protocol::Direction::ToClient, command->word);
        if (!id)
            return;
        protocol::Reader r(*id, command->args);
        switch (*id) {
            case protocol::Msg::SendLoginInfo:
                seat_ = r.number();
                send(protocol::build(protocol::Msg::Login, {seat_, version_, name_}));
                break;
            case protocol::Msg::RoundStarting:
                mirror_.clearboard();
                mirror_.firstplay = 1;
                break;
            case protocol::Msg::MyTiles: {
                if (r.number() != seat_ || seat_ > 4)
                    break;
                while (!r.atListEnd()) {
                    const int slot = r.number();
                    const int tile = r.number();
                    if (slot >= 1 && slot <= 6)
                        mirror_.seats[seat_].hand[slot] = tile;
                }
                break;
            }
            case protocol::Msg::LoadBoard: {
                if (r.number() != seat_)
                    break;
                while (!r.atListEnd()) {
                    const int row = r.number();
                    const int column = r.number();
                    const int tile = r.number();
                    mirror_.board.at(row).at(column) = {tile, tile};
                    mirror_.firstplay = 0;
                }
                break;
            }
            case protocol::Msg::HisPlay: {
                const int who = r.number();
                r.number();
                r.number();
                r.number();
                while (!r.atListEnd()) {
                    const int slot = r.number();
                    const int tile = r.number();
                    const int row = r.number();
                    const int column = r.number();
                    mirror_.board[row][column] = {tile, tile};
                    if (who == seat_)
                        mirror_.seats[seat_].hand[slot] = 0;
                }
                mirror_.firstplay = 0;
                break;
            }
            case protocol::Msg::NextPlayer: {
                const int who = r.number();
                const std::string canMove = r.text();
                if (autoplay_ && who == seat_)
                    playTurn(canMove == "t");
                break;
            }
            case protocol::Msg::Error:
                if (autoplay_)
                    send(protocol::build(protocol::Msg::Pass, {seat_}));
                break;
            default:
                break;
        }
    }

    void playTurn(bool canMove) {
        const Play play = canMove ? suggestedPlay(mirror_, seat_) : Play();
        if (play.empty()) {
            send(protocol::build(protocol::Msg::Pass, {seat_}));
            return;
        }
        if (onPlay)
            onPlay();
        send(playMessage(seat_, play));
        ++plays_;
    }

    std::string name_;
    std::string version_;
    QTcpSocket socket_;
    protocol::Framer framer_;
    int seat_ = 0;
    bool autoplay_ = false;
    int plays_ = 0;
    engine::VirtualOutlet outlet_;
    engine::Random random_{1};
    engine::Host mirror_;
};

}  // namespace hexaline::support
