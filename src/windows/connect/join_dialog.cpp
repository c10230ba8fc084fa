// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/connect/join_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "transport/discovery_listener.h"
#include "windows/connect/host_dialog.h"

namespace hexaline::windows {

namespace {

// The columns of a found game: host, seats taken, state, address and port.
QStringList describe(const transport::FoundGame& g) {
    const transport::Announcement& a = g.announcement;
    const QString address = g.address.contains(u':') ? u'[' + g.address + u']' : g.address;
    return {a.name, QStringLiteral("%1 of %2").arg(a.seatsTaken).arg(a.seats),
            a.gameOn ? QStringLiteral("Game on") : QStringLiteral("Waiting to start"),
            QStringLiteral("%1:%2").arg(address).arg(a.port)};
}

}  // namespace

QString cleanAddress(const QString& typed) {
    QString clean = typed.trimmed();
    if (clean.startsWith(u'[') && clean.endsWith(u']'))
        clean = clean.mid(1, clean.size() - 2).trimmed();
    return clean;
}

JoinDialog::JoinDialog(transport::DiscoveryListener* games, QWidget* parent)
    : QDialog(parent), games_(games) {
    setObjectName(QStringLiteral("joinform"));
    setWindowTitle(QStringLiteral("Join a Game"));
    auto* form = new QFormLayout(this);
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("edit_name"));
    nameEdit->setMaxLength(32);
    form->addRow(QStringLiteral("Your name:"), nameEdit);
    addressCombo = new QComboBox(this);
    addressCombo->setObjectName(QStringLiteral("combo_address"));
    addressCombo->setEditable(true);
    addressCombo->setInsertPolicy(QComboBox::NoInsert);
    addressCombo->setMinimumWidth(260);
    form->addRow(QStringLiteral("Host address:"), addressCombo);
    portSpin = new QSpinBox(this);
    portSpin->setObjectName(QStringLiteral("spin_port"));
    portSpin->setRange(1, 65535);
    portSpin->setValue(7772);
    form->addRow(QStringLiteral("Port:"), portSpin);
    foundLabel = new QLabel(QStringLiteral("Games on the local network:"), this);
    form->addRow(foundLabel);
    gamesList = new QTreeWidget(this);
    gamesList->setObjectName(QStringLiteral("list_games"));
    gamesList->setMinimumHeight(120);
    gamesList->setRootIsDecorated(false);
    gamesList->setUniformRowHeights(true);
    gamesList->setHeaderLabels({QStringLiteral("Host"), QStringLiteral("Seats taken"),
                                QStringLiteral("State"), QStringLiteral("Address and port")});
    // Every column fits: the host's name takes what is left, nothing scrolls sideways.
    gamesList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gamesList->header()->setStretchLastSection(false);
    gamesList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    gamesList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    gamesList->setMinimumWidth(480);
    form->addRow(gamesList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Join"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("button_join"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinDialog::join);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(gamesList, &QTreeWidget::itemClicked, this, &JoinDialog::chooseGame);
    // A double-click, or Enter on a game, joins it.
    connect(gamesList, &QTreeWidget::itemActivated, this, &JoinDialog::joinGame);
    if (games_)
        connect(games_, &transport::DiscoveryListener::changed, this, &JoinDialog::refreshGames);
    refreshGames();
}

void JoinDialog::setPlayerName(const QString& name) {
    nameEdit->setText(name);
}

void JoinDialog::setPort(std::uint16_t port) {
    portSpin->setValue(port);
}

void JoinDialog::setRecentAddresses(const QStringList& recent) {
    addressCombo->clear();
    addressCombo->addItems(recent);
    addressCombo->setCurrentIndex(recent.isEmpty() ? -1 : 0);
}

QString JoinDialog::playerName() const {
    return cleanPlayerName(nameEdit->text());
}

QString JoinDialog::address() const {
    return cleanAddress(addressCombo->currentText());
}

std::uint16_t JoinDialog::port() const {
    return static_cast<std::uint16_t>(portSpin->value());
}

void JoinDialog::refreshGames() {
    // The game in the list's focus stays there when it is still heard.
    const int row = gamesList->indexOfTopLevelItem(gamesList->currentItem());
    const Where current = row >= 0 && row < static_cast<int>(listed_.size())
                              ? listed_[static_cast<std::size_t>(row)]
                              : Where{};
    gamesList->clear();
    listed_.clear();
    if (!games_)
        return;
    for (const transport::FoundGame& g : games_->games()) {
        auto* item = new QTreeWidgetItem(gamesList, describe(g));
        item->setToolTip(0, QStringLiteral("Version %1").arg(g.announcement.version));
        listed_.push_back({g.address, g.announcement.port});
        if (!current.address.isEmpty() && listed_.back() == current)
            gamesList->setCurrentItem(item);
    }
}

void JoinDialog::chooseGame(QTreeWidgetItem* item) {
    const int row = gamesList->indexOfTopLevelItem(item);
    if (row < 0 || row >= static_cast<int>(listed_.size()))
        return;
    const Where& where = listed_[static_cast<std::size_t>(row)];
    addressCombo->setEditText(where.address);
    portSpin->setValue(where.port);
}

void JoinDialog::joinGame(QTreeWidgetItem* item) {
    chooseGame(item);
    join();
}

void JoinDialog::join() {
    if (playerName().isEmpty()) {
        QMessageBox::information(
            this, QStringLiteral("Join a Game"),
            QStringLiteral("Please type the name the other players will see."));
        nameEdit->setFocus();
        return;
    }
    if (address().isEmpty()) {
        QMessageBox::information(
            this, QStringLiteral("Join a Game"),
            QStringLiteral("Please type the address of the computer that hosts the game, or "
                           "double-click a game found on the local network."));
        addressCombo->setFocus();
        return;
    }
    // Enter on a game reaches both the list and the Join button: one join.
    if (joined_)
        return;
    joined_ = true;
    accept();
}

}  // namespace hexaline::windows
