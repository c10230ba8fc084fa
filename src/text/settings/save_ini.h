// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing this program's preferences into the section "agame".

#include <QString>

#include "text/settings/preferences.h"
#include "text/settings/write_result.h"

namespace hexaline::settings {

// Writes "Textsize", "Top", "Left", "Width", "Height", "Textcolor", "Playtoscore",
// "Timeperturn", "Botspeed", "Turnsound", "Playerphrasesounds" and "Playsounds", in that order,
// in one commit: either every key is written or the file stays as it was and the result names
// the file. The phrases and "Help" are left alone. A file whose keys already hold these values
// is not touched.
WriteResult saveinifile(const QString& path, const Preferences& prefs);
WriteResult saveinifile(const Preferences& prefs);  // the file of settingsFilePath()

}  // namespace hexaline::settings
