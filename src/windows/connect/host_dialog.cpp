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

namespace {
// The usual port of the page for web browsers.
constexpr int kWebPort = 7773;
}  // namespace

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
    check_web = new QCheckBox(QStringLiteral("Let friends join from a web browser"), this);
    check_web->setObjectName(QStringLiteral("check_web"));
    form->addRow(check_web);
    spin_webport = new QSpinBox(this);
    spin_webport->setObjectName(QStringLiteral("spin_webport"));
    spin_webport->setRange(1, 65535);
    spin_webport->setValue(kWebPort);
    spin_webport->setEnabled(false);
    form->addRow(QStringLiteral("Web page port:"), spin_webport);
    connect(check_web, &QCheckBox::toggled, spin_webport, &QSpinBox::setEnabled);
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

int HostDialog::webPort() const {
    return check_web->isChecked() ? spin_webport->value() : -1;
}

void HostDialog::button_hostClick() {
    if (webPort() == port()) {
        QMessageBox::information(this, QStringLiteral("Host a Game"),
                                 QStringLiteral("The web page needs a port of its own."));
        spin_webport->setFocus();
        return;
    }
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
