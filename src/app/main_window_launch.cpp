// SPDX-License-Identifier: GPL-3.0-or-later
// The launch modes: solo, host and join, and the link to the lobby program.
#include <QAction>
#include <QTcpSocket>

#include "app/connect_failure.h"
#include "app/host_side.h"
#include "app/launch_mode.h"
#include "app/listen_failure.h"
#include "app/main_window.h"

namespace hexaline::app {

void MainWindow::setStartAvailable(bool available) {
    startVisible_ = available;
    entry(MenuEntry::StartGame)->setEnabled(available);
    emit startButtonVisibleChanged(available);
}

void MainWindow::processparams() {
    setStartAvailable(false);
    loginname_.clear();
    const LaunchPlan plan = decideLaunch(options_.arguments);
    addlinetochat(plan.chatLine.toStdString(), kSystemColour);
    switch (plan.mode) {
        case LaunchMode::Solo:
            emit lobbyDownloadRequested();
            hostaddress_ = plan.hostaddress;
            playername_ = plan.playername;
            hostpress(true);
            return;
        case LaunchMode::Waiting:
            return;
        case LaunchMode::Host:
            playername_ = plan.playername;
            hostaddress_ = plan.hostaddress;
            if (hostpress())
                openLobbyLink();
            return;
        case LaunchMode::Join:
            playername_ = plan.playername;
            hostaddress_ = plan.hostaddress;
            // The link follows once the host's name is known to resolve.
            lobbyLinkPending_ = true;
            joinpress();
            return;
    }
}

bool MainWindow::hostpress(bool solo) {
    const QHostAddress address(solo ? QHostAddress::LocalHost : QHostAddress::Any);
    bool listening = host_ && host_->startListening(options_.port, address);
    if (!listening && host_ && solo)
        listening = host_->startListening(0, address);  // nobody needs to find a solo game
    if (!listening) {
        const QString reported = host_ ? host_->link().errorText() : QStringLiteral("No host side");
        const QString sentence = listenFailure(reported, options_.port);
        addSystemLine(sentence);
        if (errorWording_)
            showError(reported);
        else
            showError(sentence);
        return false;
    }
    loginname_ = playername_.toStdString();
    ishost_ = true;
    sock_->open(QStringLiteral("127.0.0.1"), host_->link().port());
    setStartAvailable(true);
    setComputerStrengthAvailable(true);
    emit hostModeStarted();
    return true;
}

// Join mode starts once per connection, so its handlers are installed on it here.
void MainWindow::joinpress() {
    loginname_ = playername_.toStdString();
    linkConnected_ = false;
    connect(sock_, &transport::ClientLink::connected, this, [this] { linkConnected_ = true; });
    connect(sock_, &transport::ClientLink::hostFound, this, [this] {
        if (!lobbyLinkPending_)
            return;
        lobbyLinkPending_ = false;
        openLobbyLink();
    });
    connect(sock_, &transport::ClientLink::lookupFailed, this, [this](const QString& text) {
        lobbyLinkPending_ = false;
        joinFailed(QStringLiteral("the address cannot be found"));
        showError(text);
    });
    // A join that never connects ends in a line that says so, not in waiting for ever. A
    // connection that is lost later is the client's to report.
    connect(sock_, &transport::ClientLink::failed, this,
            [this](QAbstractSocket::SocketError error) {
                if (!linkConnected_)
                    joinFailed(socketErrorText(error));
            });
    sock_->open(hostaddress_, options_.port);
    setStartAvailable(false);
    setComputerStrengthAvailable(false);
}

void MainWindow::renewSock() {
    sock_->disconnect();
    sock_->setDispatcher(nullptr);
    sock_->close();
    sock_->deleteLater();
    sock_ = new transport::ClientLink(this);
}

void MainWindow::startSession(bool host, const QString& name, const QString& address,
                              std::uint16_t port) {
    setStartAvailable(false);
    loginname_.clear();
    ishost_ = false;
    lobbyLinkPending_ = false;
    playername_ = name;
    hostaddress_ = host ? QStringLiteral("127.0.0.1") : address;
    options_.port = port;
    if (host)
        hostpress();
    else
        joinpress();
}

void MainWindow::joinFailed(const QString& reason) {
    addSystemLine("Could not join the game at " + hostaddress_ + ": " + reason + ".");
}

void MainWindow::openLobbyLink() {
    if (lobbyLink_)
        return;
    // Nothing is ever sent or read on it, and a failure to connect is ignored: it only marks
    // to a listening lobby program that the game runs.
    lobbyLink_ = new QTcpSocket(this);
    lobbyLink_->setObjectName(QStringLiteral("Sock11"));
    lobbyLink_->connectToHost(QStringLiteral("127.0.0.1"), options_.lobbyPort);
}

}  // namespace hexaline::app
