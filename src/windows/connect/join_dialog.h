// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Join a Game…": the player's name, the host's address (a name, IPv4 or IPv6) and port, and
// the games found on the local network, updated as they are heard. A double-click on a found
// game joins it.

#include <QDialog>
#include <QStringList>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QSpinBox;

namespace hexaline::transport {
class DiscoveryListener;
}

namespace hexaline::windows {

class JoinDialog : public QDialog {
    Q_OBJECT
  public:
    // `games` may be null: then only a typed address can be joined.
    explicit JoinDialog(transport::DiscoveryListener* games, QWidget* parent = nullptr);

    void setPlayerName(const QString& name);
    void setPort(std::uint16_t port);
    void setRecentAddresses(const QStringList& recent);
    QString playerName() const;
    // The address as typed, without spaces or the brackets of "[::1]".
    QString address() const;
    std::uint16_t port() const;

    // One row a game, in columns: host, seats taken, state, address and port.
    QTreeWidget* foundGames() const { return list_games; }
    // Fills the list again from what the listener holds.
    void refreshGames();

  private:
    void button_joinClick();
    void list_gamesDblClick(QTreeWidgetItem* item);
    void list_gamesClick(QTreeWidgetItem* item);

    transport::DiscoveryListener* games_;
    QLineEdit* edit_name;
    QComboBox* combo_address;
    QSpinBox* spin_port;
    QTreeWidget* list_games;
    bool joined_ = false;
    QLabel* label_found;
};

// "[::1]" and " host " become "::1" and "host".
QString cleanAddress(const QString& typed);

}  // namespace hexaline::windows
