// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/connect/connect_settings.h"

#include "text/settings/profile_file.h"

namespace hexaline::windows {

namespace {

const QString kSection = QString::fromLatin1(kConnectSection);

QString recentKey(int k) {
    return QStringLiteral("recent%1").arg(k);
}

}  // namespace

void ConnectSettings::remember(const QString& address) {
    const QString clean = address.trimmed();
    if (clean.isEmpty())
        return;
    recent.removeAll(clean);
    recent.prepend(clean);
    while (recent.size() > kRecentAddresses)
        recent.removeLast();
}

ConnectSettings loadConnectSettings(const QString& path) {
    const settings::ProfileFile file = settings::ProfileFile::load(path);
    ConnectSettings s;
    s.name = file.readString(kSection, u"name", QString()).left(64);
    const int port = file.readInteger(kSection, u"port", 7772);
    if (port >= 1 && port <= 65535)
        s.port = static_cast<std::uint16_t>(port);
    const int joinPort = file.readInteger(kSection, u"joinport", 7772);
    if (joinPort >= 1 && joinPort <= 65535)
        s.joinPort = static_cast<std::uint16_t>(joinPort);
    for (int k = 1; k <= kRecentAddresses; ++k) {
        const QString address = file.readString(kSection, recentKey(k), QString()).trimmed();
        if (!address.isEmpty() && !s.recent.contains(address))
            s.recent << address.left(255);
    }
    s.strength = file.readString(kSection, u"computerstrength", s.strength).left(16);
    return s;
}

bool saveConnectSettings(const QString& path, const ConnectSettings& s) {
    settings::ProfileFile file = settings::ProfileFile::load(path);
    file.writeString(kSection, u"name", s.name);
    file.writeString(kSection, u"port", QString::number(s.port));
    file.writeString(kSection, u"joinport", QString::number(s.joinPort));
    for (int k = 1; k <= kRecentAddresses; ++k)
        file.writeString(kSection, recentKey(k), s.recent.value(k - 1));
    file.writeString(kSection, u"computerstrength", s.strength);
    return file.save();
}

}  // namespace hexaline::windows
