// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The announcement a hosted game sends on the local network, and its reading. One UDP
// datagram of at most 512 bytes, UTF-8 text, lines ending in "\n":
//
//   HEXALINE-GAME 1        the format and its version
//   name=Ann               the hosting player's name (at most 64 characters)
//   port=7772              the game's TCP port
//   seats=2/4              player seats taken / player seats
//   game=1                 1 while a game is on, else 0
//   version=1.0.1          the program's version
//
// A datagram of a later format version, or one missing a field, is not read. Unknown keys
// are skipped, so later versions of format 1 may add some. "gone=1" says the game has ended.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace hexaline::transport {

inline constexpr std::uint16_t kDiscoveryPort = 7773;
inline constexpr int kMaxAnnouncementBytes = 512;
inline constexpr int kMaxAnnouncedNameLength = 64;
inline constexpr char kAnnouncementMagic[] = "HEXALINE-GAME 1";

struct Announcement {
    QString name;
    std::uint16_t port = 0;
    int seatsTaken = 0;
    int seats = 4;
    bool gameOn = false;
    QString version;
    bool gone = false;  // the host stopped: forget this game now
};

// The datagram for `a`; a name too long for it is cut.
QByteArray writeAnnouncement(const Announcement& a);
// The announcement in `datagram`, or nothing when it is not one this program can read.
std::optional<Announcement> readAnnouncement(const QByteArray& datagram);

}  // namespace hexaline::transport
