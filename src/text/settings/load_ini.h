// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the section "agame" when this client learns that it is connected.

#include <QString>
#include <array>
#include <optional>

#include "text/settings/preferences.h"
#include "text/settings/write_result.h"

namespace hexaline::settings {

class ProfileFile;

// What the load found, for the window to apply.
struct LoadResult {
    int textSize = 8;
    bool textSizeHasMenuEntry = true;     // 8, 10, 12 or 14: the Text Size entry "N" + size
    WindowBounds bounds{3, 3, 772, 535};  // the saved window bounds and the window's new place
    // Colour text as stored; the chat's colour reader decides (text it cannot read is black).
    QString textColor = QStringLiteral("clblack");
    std::optional<int> playToScore;  // set only when the stored text is an integer
    std::optional<int> timePerTurn;
    int botSpeedMs = kBotSpeedNormal;
    int turnSound = kTurnSoundClassic;
    // A phrase only where the stored one is not empty; otherwise the button keeps its own.
    std::array<std::optional<QString>, kPhraseCount> phrases;
    bool playSounds = true;
    bool playerPhraseSounds = true;
    bool showHelp = true;   // open the quick instructions
    WriteResult helpWrite;  // writing "Help" = "2"; show its message when it failed
};

// Opens the file, reads the section, writes "Help" = "2" and closes the file. A missing file
// or section gives every default.
LoadResult loadinifile(const QString& path);
LoadResult loadinifile();  // the file of settingsFilePath()
// The same reading, without writing anything.
LoadResult readinifile(const QString& path);
LoadResult readinifile(const ProfileFile& file);

// Puts what a load found into the preferences (spin positions and phrases only where set).
void applyLoadResult(const LoadResult& loaded, Preferences& prefs);

}  // namespace hexaline::settings
