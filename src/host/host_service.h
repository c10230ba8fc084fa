// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A running host: the listening socket and its connections, the host session with its game,
// and the game's two timers. The hosting game and the headless host both run one.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "engine/random.h"
#include "host/host_port.h"
#include "host/host_session.h"
#include "protocol/dispatcher.h"
#include "transport/host_link.h"

namespace hexaline::session {

class HostService : public QObject, private HostPort {
    Q_OBJECT
  public:
    struct Options {
        // Length of the game flow's second (the break timer's tick), in milliseconds.
        int secondMs = 1000;
        // The computer's delay before a move, read whenever a move is armed.
        std::function<int()> botSpeed = [] { return 1000; };
        // A notice on the host's screen; the game does not wait for it.
        std::function<void(const QString&)> alert;
        // One line of the host's log.
        std::function<void(const QString&)> log;
        // How long a new connection may take to log in before it is closed.
        int loginTimeoutMs = 10'000;
        // Connections one peer address may hold at once (0: no bound), and the addresses
        // exempt from that bound. Read when listening starts.
        int perAddress = transport::HostLink::kDefaultPerAddress;
        QStringList exemptAddresses = transport::HostLink::defaultExemptAddresses();
    };

    HostService(engine::Random& random, Options options, QObject* parent = nullptr);
    ~HostService() override;

    // Listens on all local addresses unless given one; false with errorText() when it cannot.
    bool listen(std::uint16_t port, const QHostAddress& address = QHostAddress(QHostAddress::Any));
    std::uint16_t port() const { return link_.port(); }
    QString errorText() const { return link_.errorText(); }

    // Closes every connection (the program is ending).
    void closeAll();

    // The options may be changed at any time; they are read when needed.
    Options& options() { return options_; }

    HostSession& session() { return session_; }
    transport::HostLink& link() { return link_; }
    const transport::HostLink& link() const { return link_; }
    bool breakTimerActive() const { return breakTimer_.isActive(); }
    bool computerTimerActive() const { return computerTimer_.isActive(); }

  private:
    // HostPort.
    void send(ConnectionId connection, const std::string& message) override;
    void close(ConnectionId connection) override;
    void armBreakTimer() override;
    void stopBreakTimer() override { breakTimer_.stop(); }
    void startComputerTimer(int intervalMs) override;
    void stopComputerTimer() override { computerTimer_.stop(); }
    int botSpeed() override { return options_.botSpeed ? options_.botSpeed() : 1000; }
    void alert(const std::string& text) override;
    void log(const std::string& line) override;
    std::string peerAddress(ConnectionId connection) override;
    int loginTimeoutMs() override { return options_.loginTimeoutMs; }
    void armLoginTimer(int delayMs) override;

    Options options_;
    transport::HostLink link_;
    protocol::Dispatcher dispatcher_{protocol::Direction::ToHost};
    HostSession session_;
    QTimer breakTimer_;
    QTimer computerTimer_;
    QTimer loginTimer_;
};

}  // namespace hexaline::session
