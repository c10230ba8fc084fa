// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/connect/join_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include "transport/discovery_listener.h"
#include "windows/connect/host_dialog.h"

namespace hexaline::windows {

namespace {

constexpr int kAddressRole = Qt::UserRole;
constexpr int kPortRole = Qt::UserRole + 1;

QString describe(const transport::FoundGame& g) {
    const transport::Announcement& a = g.announcement;
    return QStringLiteral("%1 — %2 of %3 seats taken, %4 — %5 port %6 (version %7)")
        .arg(a.name)
        .arg(a.seatsTaken)
        .arg(a.seats)
        .arg(a.gameOn ? QStringLiteral("game on") : QStringLiteral("waiting to start"))
        .arg(g.address)
        .arg(a.port)
        .arg(a.version);
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
    edit_name = new QLineEdit(this);
    edit_name->setObjectName(QStringLiteral("edit_name"));
    edit_name->setMaxLength(32);
    form->addRow(QStringLiteral("Your name:"), edit_name);
    combo_address = new QComboBox(this);
    combo_address->setObjectName(QStringLiteral("combo_address"));
    combo_address->setEditable(true);
    combo_address->setInsertPolicy(QComboBox::NoInsert);
    combo_address->setMinimumWidth(260);
    form->addRow(QStringLiteral("Host address:"), combo_address);
    spin_port = new QSpinBox(this);
    spin_port->setObjectName(QStringLiteral("spin_port"));
    spin_port->setRange(1, 65535);
    spin_port->setValue(7772);
    form->addRow(QStringLiteral("Port:"), spin_port);
    label_found = new QLabel(QStringLiteral("Games on the local network:"), this);
    form->addRow(label_found);
    list_games = new QListWidget(this);
    list_games->setObjectName(QStringLiteral("list_games"));
    list_games->setMinimumHeight(120);
    form->addRow(list_games);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Join"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("button_join"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinDialog::button_joinClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_games, &QListWidget::itemDoubleClicked, this, &JoinDialog::list_gamesDblClick);
    connect(list_games, &QListWidget::itemClicked, this, &JoinDialog::list_gamesClick);
    if (games_)
        connect(games_, &transport::DiscoveryListener::changed, this, &JoinDialog::refreshGames);
    refreshGames();
}

void JoinDialog::setPlayerName(const QString& name) {
    edit_name->setText(name);
}

void JoinDialog::setPort(std::uint16_t port) {
    spin_port->setValue(port);
}

void JoinDialog::setRecentAddresses(const QStringList& recent) {
    combo_address->clear();
    combo_address->addItems(recent);
    combo_address->setCurrentIndex(recent.isEmpty() ? -1 : 0);
}

QString JoinDialog::playerName() const {
    return cleanPlayerName(edit_name->text());
}

QString JoinDialog::address() const {
    return cleanAddress(combo_address->currentText());
}

std::uint16_t JoinDialog::port() const {
    return static_cast<std::uint16_t>(spin_port->value());
}

void JoinDialog::refreshGames() {
    const QString chosen =
        list_games->currentItem()
            ? list_games->currentItem()->data(kAddressRole).toString() +
                  QString::number(list_games->currentItem()->data(kPortRole).toInt())
            : QString();
    list_games->clear();
    if (!games_)
        return;
    for (const transport::FoundGame& g : games_->games()) {
        auto* item = new QListWidgetItem(describe(g), list_games);
        item->setData(kAddressRole, g.address);
        item->setData(kPortRole, g.announcement.port);
        if (g.address + QString::number(g.announcement.port) == chosen)
            list_games->setCurrentItem(item);
    }
}

void JoinDialog::list_gamesClick(QListWidgetItem* item) {
    combo_address->setEditText(item->data(kAddressRole).toString());
    spin_port->setValue(item->data(kPortRole).toInt());
}

void JoinDialog::list_gamesDblClick(QListWidgetItem* item) {
    list_gamesClick(item);
    button_joinClick();
}

void JoinDialog::button_joinClick() {
    if (playerName().isEmpty()) {
        QMessageBox::information(
            this, QStringLiteral("Join a Game"),
            QStringLiteral("Please type the name the other players will see."));
        edit_name->setFocus();
        return;
    }
    if (address().isEmpty()) {
        QMessageBox::information(
            this, QStringLiteral("Join a Game"),
            QStringLiteral("Please type the address of the computer that hosts the game, or "
                           "double-click a game found on the local network."));
        combo_address->setFocus();
        return;
    }
    accept();
}

}  // namespace hexaline::windows
