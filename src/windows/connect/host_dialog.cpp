// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/connect/host_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace hexaline::windows {

QString cleanPlayerName(const QString& name) {
    QString clean = name.trimmed();
    clean.replace(QChar(u'+'), QChar(u' '));
    return clean.left(32).trimmed();
}

HostDialog::HostDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("hostform"));
    setWindowTitle(QStringLiteral("Host a Game"));
    auto* form = new QFormLayout(this);
    edit_name = new QLineEdit(this);
    edit_name->setObjectName(QStringLiteral("edit_name"));
    edit_name->setMaxLength(32);
    form->addRow(QStringLiteral("Your name:"), edit_name);
    spin_port = new QSpinBox(this);
    spin_port->setObjectName(QStringLiteral("spin_port"));
    spin_port->setRange(1, 65535);
    spin_port->setValue(7772);
    form->addRow(QStringLiteral("Port:"), spin_port);
    check_announce =
        new QCheckBox(QStringLiteral("Let players on the local network find this game"), this);
    check_announce->setObjectName(QStringLiteral("check_announce"));
    check_announce->setChecked(true);
    form->addRow(check_announce);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Host"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("button_host"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &HostDialog::button_hostClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void HostDialog::setPlayerName(const QString& name) {
    edit_name->setText(name);
}

void HostDialog::setPort(std::uint16_t port) {
    spin_port->setValue(port);
}

QString HostDialog::playerName() const {
    return cleanPlayerName(edit_name->text());
}

std::uint16_t HostDialog::port() const {
    return static_cast<std::uint16_t>(spin_port->value());
}

bool HostDialog::announce() const {
    return check_announce->isChecked();
}

void HostDialog::button_hostClick() {
    if (playerName().isEmpty()) {
        QMessageBox::information(
            this, QStringLiteral("Host a Game"),
            QStringLiteral("Please type the name the other players will see."));
        edit_name->setFocus();
        return;
    }
    accept();
}

}  // namespace hexaline::windows
