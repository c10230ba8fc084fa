// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/save_ini.h"

#include "text/settings/profile_file.h"
#include "text/settings/settings_location.h"
#include "text/settings/window_bounds.h"

namespace hexaline::settings {
namespace {

QString boolText(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

WriteResult saveinifile(const QString& path, const Preferences& prefs) {
    ProfileFile file = ProfileFile::load(path);
    file.writeString(kSection, u"Textsize", QString::number(prefs.textSize));
    const WindowBounds window = saneBounds(prefs.window);
    file.writeString(kSection, u"Top", QString::number(window.top));
    file.writeString(kSection, u"Left", QString::number(window.left));
    file.writeString(kSection, u"Width", QString::number(window.width));
    file.writeString(kSection, u"Height", QString::number(window.height));
    file.writeString(kSection, u"Textcolor", prefs.textColor);
    file.writeString(kSection, u"Playtoscore", QString::number(prefs.playToScore));
    file.writeString(kSection, u"Timeperturn", QString::number(prefs.timePerTurn));
    file.writeString(kSection, u"Botspeed", QString::number(prefs.botSpeedMs));
    file.writeString(kSection, u"Turnsound", QString::number(prefs.turnSound));
    file.writeString(kSection, u"Playerphrasesounds", boolText(prefs.playerPhraseSounds));
    file.writeString(kSection, u"Playsounds", boolText(prefs.playSounds));
    return WriteResult{file.save(), file.path()};
}

WriteResult saveinifile(const Preferences& prefs) {
    return saveinifile(settingsFilePath(), prefs);
}

}  // namespace hexaline::settings
