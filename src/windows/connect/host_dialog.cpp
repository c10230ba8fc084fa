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
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("edit_name"));
    nameEdit->setMaxLength(32);
    form->addRow(QStringLiteral("Your name:"), nameEdit);
    portSpin = new QSpinBox(this);
    portSpin->setObjectName(QStringLiteral("spin_port"));
    portSpin->setRange(1, 65535);
    portSpin->setValue(7772);
    form->addRow(QStringLiteral("Port:"), portSpin);
    announceCheck =
        new QCheckBox(QStringLiteral("Let players on the local network find this game"), this);
    announceCheck->setObjectName(QStringLiteral("check_announce"));
    announceCheck->setChecked(true);
    form->addRow(announceCheck);
    webCheck = new QCheckBox(QStringLiteral("Let friends join from a web browser"), this);
    webCheck->setObjectName(QStringLiteral("check_web"));
    form->addRow(webCheck);
    webPortSpin = new QSpinBox(this);
    webPortSpin->setObjectName(QStringLiteral("spin_webport"));
    webPortSpin->setRange(1, 65535);
    webPortSpin->setValue(kWebPort);
    webPortSpin->setEnabled(false);
    form->addRow(QStringLiteral("Web page port:"), webPortSpin);
    connect(webCheck, &QCheckBox::toggled, webPortSpin, &QWidget::setEnabled);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Host"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("button_host"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &HostDialog::host);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void HostDialog::setPlayerName(const QString& name) {
    nameEdit->setText(name);
}

void HostDialog::setPort(std::uint16_t port) {
    portSpin->setValue(port);
}

QString HostDialog::playerName() const {
    return cleanPlayerName(nameEdit->text());
}

std::uint16_t HostDialog::port() const {
    return static_cast<std::uint16_t>(portSpin->value());
}

bool HostDialog::announce() const {
    return announceCheck->isChecked();
}

int HostDialog::webPort() const {
    return webCheck->isChecked() ? webPortSpin->value() : -1;
}

void HostDialog::host() {
    if (webPort() == port()) {
        QMessageBox::information(this, QStringLiteral("Host a Game"),
                                 QStringLiteral("The web page needs a port of its own."));
        webPortSpin->setFocus();
        return;
    }
    if (playerName().isEmpty()) {
        QMessageBox::information(
            this, QStringLiteral("Host a Game"),
            QStringLiteral("Please type the name the other players will see."));
        nameEdit->setFocus();
        return;
    }
    accept();
}

}  // namespace hexaline::windows
