// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/table_sessions.h"

#include <QAction>
#include <QActionGroup>
#include <QMessageBox>
#include <QTimer>

#include "engine/players/player.h"
#include "protocol/version.h"

#include "app/command_line.h"
#include "app/connect_failure.h"
#include "app/game_client.h"
#include "app/host_side.h"
#include "app/listen_failure.h"
#include "app/main_window.h"
#include "host/announce.h"
#include "table/notice_box.h"
#include "table/table_panel.h"
#include "table/wire_text.h"
#include "text/settings/settings_location.h"
#include "transport/discovery_listener.h"
#include "transport/status.h"
#include "web/web_address.h"
#include "web/web_server.h"
#include "windows/connect/connect_settings.h"
#include "windows/connect/host_dialog.h"
#include "windows/connect/join_dialog.h"

namespace hexaline::app {

namespace {

QString hostWording(const QString& reported, std::uint16_t port) {
    return listenFailure(reported, port);
}

QString joinWording(const QString& reported, const QString& address) {
    if (reported == QLatin1String(transport::kHostNotFound)) {
        return QStringLiteral(
                   "The address \"%1\" could not be found. Check its spelling, or type the "
                   "host's IPv4 or IPv6 address.")
            .arg(address);
    }
    return reported;
}

}  // namespace

TableSessions::TableSessions(MainWindow& window, windows::GameStartForm& gamestart, QObject* parent)
    : QObject(parent), window_(window), gamestart_(gamestart) {
    // The computer's level is kept in the game's own section of the settings file.
    const auto level =
        engine::parsebotlevel(windows::loadConnectSettings(settingsPath()).strength.toStdString());
    botLevel_ = static_cast<int>(level.value_or(engine::BotLevel::Normal));
    window_.showBotLevel(botLevel_);
    connect(window_.computerStrengthEntries(), &QActionGroup::triggered, this,
            [this](QAction* entry) { chooseComputerStrength(entry->data().toInt()); });
    makeSides();
    connect(window_.entry(MenuEntry::HostGame), &QAction::triggered, this,
            &TableSessions::openHostDialog);
    connect(window_.entry(MenuEntry::JoinGame), &QAction::triggered, this,
            &TableSessions::openJoinDialog);
    window_.setCloseGuard([this] { return mayLeaveTable(); });
}

TableSessions::~TableSessions() {
    web_.reset();
    window_.setCloseGuard({});
    announcer_.reset();
    client_.reset();
    window_.setHostSide(nullptr);
}

bool TableSessions::announcing() const {
    return announcer_ && announcer_->isRunning();
}

void TableSessions::setClientMade(std::function<void(GameClient&)> made) {
    clientMade_ = std::move(made);
    if (clientMade_ && client_)
        clientMade_(*client_);
}

void TableSessions::makeSides() {
    host_ = std::make_unique<HostSide>();
    // The host uses the bot speed chosen in the window; its notices are not modal.
    host_->service().options().botSpeed = [this] { return window_.preferences().botSpeedMs(); };
    host_->service().options().alert = [this](const QString& text) {
        table::showNotice(&window_, text, QMessageBox::Warning);
    };
    host_->service().session().setbotlevel(static_cast<engine::BotLevel>(botLevel_));
    window_.setHostSide(host_.get());
    client_ = std::make_unique<GameClient>(window_, gamestart_);
    // The client is still inside its own report: the table is made anew once it has returned.
    connect(client_.get(), &GameClient::seatLost, this, &TableSessions::hostGone,
            Qt::QueuedConnection);
    if (clientMade_)
        clientMade_(*client_);
}

int TableSessions::othersSeated() const {
    if (!window_.ishost() || !host_)
        return 0;
    const engine::Host& game = host_->service().session().game();
    int seated = 0;
    for (int seat = 1; seat <= protocol::kSeatCount; ++seat) {
        if (game.seats[static_cast<std::size_t>(seat)].connected)
            ++seated;
    }
    return seated > 0 ? seated - 1 : 0;  // the window's own client holds one seat
}

bool TableSessions::mayLeaveTable() {
    const int others = othersSeated();
    if (others == 0)
        return true;
    if (confirmLeave)
        return confirmLeave(others);
    const QString text =
        QStringLiteral("%1 at the game you host. Leaving ends the game for them. Leave anyway?")
            .arg(others == 1 ? QStringLiteral("Another person is seated")
                             : QStringLiteral("%1 other people are seated").arg(others));
    return QMessageBox::question(&window_, QStringLiteral("Hexaline"), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void TableSessions::leaveTable() {
    ++attempt_;
    window_.setErrorWording({});
    announcer_.reset();  // says the game is gone
    web_.reset();
    client_.reset();
    delete window_.tablePanel();  // the next client side brings its own
    window_.renewSock();
    window_.setHostSide(nullptr);
    if (host_) {
        // Every other player's connection closes; the port is free again at once.
        host_->service().closeAll();
        host_.reset();
    }
    makeSides();
    window_.setStartAvailable(false);  // an unconnected table starts nothing
}

bool TableSessions::hostGame(const QString& name, std::uint16_t port, bool announce, int webPort) {
    if (!mayLeaveTable())
        return false;
    leaveTable();
    window_.setErrorWording([port](const QString& text) { return hostWording(text, port); });
    window_.startSession(true, name, QString(), port);
    if (!window_.ishost()) {
        emit sessionFailed(hostWording(host_->link().errorText(), port));
        return true;
    }
    if (announce) {
        announcer_ = std::make_unique<session::HostAnnouncer>(
            host_->service(), name, QString::fromLatin1(protocol::kVersion));
        announcer_->start();
    }
    if (webPort >= 0)
        serveWebPage(webPort);
    return true;
}

// The address to share goes in the chat log and the status line; a port that cannot be used
// is said there too, and the game goes on without the page.
void TableSessions::serveWebPage(int port) {
    web_ = std::make_unique<web::WebServer>(host_->link());
    QString line, status;
    if (web_->listen(static_cast<std::uint16_t>(port))) {
        const QString address = web::shareAddress(web_->port(), web_->isSecure());
        // The chat log puts the space after the colon itself.
        line = QStringLiteral("Friends can join from a web browser:%1").arg(address);
        status = QStringLiteral("Browsers join at %1").arg(address);
    } else {
        web_.reset();
        line = QStringLiteral(
                   "The page for web browsers cannot use port %1, another program "
                   "uses it.")
                   .arg(port);
        status = QStringLiteral("No page for web browsers");
    }
    window_.addSystemLine(line);
    client_->core().model().setStatus(table::toWire(status));
}

bool TableSessions::joinGame(const QString& name, const QString& address, std::uint16_t port) {
    if (!mayLeaveTable())
        return false;
    leaveTable();
    window_.setErrorWording([address](const QString& text) { return joinWording(text, address); });
    const int attempt = ++attempt_;
    transport::ClientLink& sock = window_.sock();
    // Until the host gives this window a seat, a failure ends in a sentence and an unconnected
    // table; once the connection has ended, or a seat is given, the game's own handling applies.
    connect(&sock, &transport::ClientLink::closed, this, [this, attempt] {
        if (attempt == attempt_)
            ++attempt_;
    });
    connect(&sock, &transport::ClientLink::lookupFailed, this, [this, attempt, address] {
        if (attempt != attempt_)
            return;
        ++attempt_;  // the window says so itself
        emit sessionFailed(joinWording(QLatin1String(transport::kHostNotFound), address));
    });
    connect(&sock, &transport::ClientLink::failed, this,
            [this, attempt, address, port](QAbstractSocket::SocketError error) {
                if (attempt == attempt_ && !client_->model().isconnected())
                    failJoin(connectFailure(error, address, port));
            });
    QTimer::singleShot(kConnectTimeoutMs, this, [this, attempt, address, port] {
        if (attempt != attempt_ || client_->model().isconnected())
            return;
        failJoin(QStringLiteral("No answer from %1 on port %2 after %3 seconds. Check the "
                                "address, and that the game is still hosted.")
                     .arg(address)
                     .arg(port)
                     .arg(kConnectTimeoutMs / 1000));
    });
    window_.startSession(false, name, address, port);
    return true;
}

void TableSessions::failJoin(const QString& sentence) {
    leaveTable();  // an unconnected table, ready for another try
    table::showNotice(&window_, sentence, QMessageBox::Warning);
    emit sessionFailed(sentence);
}

void TableSessions::hostGone(const QString& sentence) {
    leaveTable();
    window_.addSystemLine(
        QStringLiteral("%1 Choose File > Join a Game… to join again.").arg(sentence));
    client_->core().model().setStatus(table::toWire(sentence));
}

void TableSessions::chooseComputerStrength(int level) {
    botLevel_ = level;
    window_.showBotLevel(level);
    const auto chosen = static_cast<engine::BotLevel>(level);
    // From the computer's next move on, on every seat it plays.
    if (host_)
        host_->service().session().setbotlevel(chosen);
    windows::ConnectSettings s = windows::loadConnectSettings(settingsPath());
    s.strength = QString::fromLatin1(engine::botlevelname(chosen));
    windows::saveConnectSettings(settingsPath(), s);
}

QString TableSessions::settingsPath() const {
    return settingsPath_.isEmpty() ? settings::settingsFilePath() : settingsPath_;
}

void TableSessions::rememberFields(const QString& name, std::uint16_t port, const QString& address,
                                   bool hosting) {
    windows::ConnectSettings s = windows::loadConnectSettings(settingsPath());
    s.name = name;
    (hosting ? s.port : s.joinPort) = port;
    s.remember(address);
    windows::saveConnectSettings(settingsPath(), s);
}

void TableSessions::openHostDialog() {
    if (dialog_)
        return;
    const windows::ConnectSettings s = windows::loadConnectSettings(settingsPath());
    auto* dialog = new windows::HostDialog(&window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPlayerName(s.name);
    dialog->setPort(s.port);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        rememberFields(dialog->playerName(), dialog->port(), QString(), true);
        hostGame(dialog->playerName(), dialog->port(), dialog->announce(), dialog->webPort());
    });
    dialog_ = dialog;
    dialog->open();
}

void TableSessions::openJoinDialog() {
    if (dialog_)
        return;
    const windows::ConnectSettings s = windows::loadConnectSettings(settingsPath());
    // The games on the network are heard only while the dialog is open.
    auto* games = new transport::DiscoveryListener;
    games->listenFromEnvironment();
    auto* dialog = new windows::JoinDialog(games, &window_);
    games->setParent(dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setPlayerName(s.name);
    dialog->setPort(s.joinPort);
    dialog->setRecentAddresses(s.recent);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        rememberFields(dialog->playerName(), dialog->port(), dialog->address(), false);
        joinGame(dialog->playerName(), dialog->address(), dialog->port());
    });
    dialog_ = dialog;
    dialog->open();
}

}  // namespace hexaline::app
