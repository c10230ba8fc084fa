// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Host a Game…": the player's name, the port, whether players on the local network may
// find the game, and whether friends may join from a web browser (and on which port).

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace hexaline::windows {

class HostDialog : public QDialog {
    Q_OBJECT
  public:
    explicit HostDialog(QWidget* parent = nullptr);

    void setPlayerName(const QString& name);
    void setPort(std::uint16_t port);
    QString playerName() const;
    std::uint16_t port() const;
    bool announce() const;
    // The port of the page for web browsers, or -1 when the game serves none.
    int webPort() const;

  private:
    // "Host": accepts once the fields make sense, else says what is missing.
    void host();

    QLineEdit* nameEdit;
    QSpinBox* portSpin;
    QCheckBox* announceCheck;
    QCheckBox* webCheck;
    QSpinBox* webPortSpin;
};

// A name a player may use: trimmed, not empty, without the separator "+" of the messages.
QString cleanPlayerName(const QString& name);

}  // namespace hexaline::windows
