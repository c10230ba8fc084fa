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

constexpr int kAddressRole = Qt::UserRole;
constexpr int kPortRole = Qt::UserRole + 1;

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
    list_games = new QTreeWidget(this);
    list_games->setObjectName(QStringLiteral("list_games"));
    list_games->setMinimumHeight(120);
    list_games->setRootIsDecorated(false);
    list_games->setUniformRowHeights(true);
    list_games->setHeaderLabels({QStringLiteral("Host"), QStringLiteral("Seats taken"),
                                 QStringLiteral("State"), QStringLiteral("Address and port")});
    // Every column fits: the host's name takes what is left, nothing scrolls sideways.
    list_games->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_games->header()->setStretchLastSection(false);
    list_games->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_games->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_games->setMinimumWidth(480);
    form->addRow(list_games);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Join"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("button_join"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &JoinDialog::button_joinClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_games, &QTreeWidget::itemClicked, this, &JoinDialog::list_gamesClick);
    // A double-click, or Enter on a game, joins it.
    connect(list_games, &QTreeWidget::itemActivated, this, &JoinDialog::list_gamesDblClick);
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
            ? list_games->currentItem()->data(0, kAddressRole).toString() +
                  QString::number(list_games->currentItem()->data(0, kPortRole).toInt())
            : QString();
    list_games->clear();
    if (!games_)
        return;
    for (const transport::FoundGame& g : games_->games()) {
        auto* item = new QTreeWidgetItem(list_games, describe(g));
        item->setData(0, kAddressRole, g.address);
        item->setData(0, kPortRole, g.announcement.port);
        item->setToolTip(0, QStringLiteral("Version %1").arg(g.announcement.version));
        if (g.address + QString::number(g.announcement.port) == chosen)
            list_games->setCurrentItem(item);
    }
}

void JoinDialog::list_gamesClick(QTreeWidgetItem* item) {
    combo_address->setEditText(item->data(0, kAddressRole).toString());
    spin_port->setValue(item->data(0, kPortRole).toInt());
}

void JoinDialog::list_gamesDblClick(QTreeWidgetItem* item) {
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
    // Enter on a game reaches both the list and the Join button: one join.
    if (joined_)
        return;
    joined_ = true;
    accept();
}

}  // namespace hexaline::windows
