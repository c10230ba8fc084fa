// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the host and join dialogs remember: the player's name, the ports and the last
// addresses joined. They live in the settings file's section "hexaline"; every other section
// stays as it is.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace hexaline::windows {

inline constexpr char kConnectSection[] = "hexaline";
inline constexpr int kRecentAddresses = 5;

struct ConnectSettings {
    QString name;
    std::uint16_t port = 7772;      // the port this window hosts on
    std::uint16_t joinPort = 7772;  // the port last joined: a failed join never becomes the host's
    QStringList recent;             // newest first, at most kRecentAddresses
    QString strength = QStringLiteral("normal");  // the computer's level when this window hosts

    // Puts `address` first, without repeating it, and keeps the list short.
    void remember(const QString& address);
};

ConnectSettings loadConnectSettings(const QString& path);
// False when the file could not be written.
bool saveConnectSettings(const QString& path, const ConnectSettings& settings);

}  // namespace hexaline::windows
