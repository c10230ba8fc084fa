// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings file lives: next to the executable, where the lobby program looks for it,
// or, when that folder cannot be written (an installed program), in the per-user
// configuration folder.

#include <QString>

namespace hexaline::settings {

inline constexpr char kSettingsFileName[] = "orviklobby.ini";

// True for the folders a package installs programs into (/usr/bin, /usr/games, /opt/...).
bool isSystemProgramFolder(const QString& dir);

// The file in `exeDir` when that folder is writable and not a system program folder, else in
// `userConfigDir` (created when missing).
QString chooseSettingsPath(const QString& exeDir, const QString& userConfigDir);

// The file this program uses: the override when one is set, else chooseSettingsPath with the
// executable's folder and QStandardPaths::AppConfigLocation.
QString settingsFilePath();
// Makes settingsFilePath() return `path`; an empty path removes the override.
void setSettingsFilePath(const QString& path);

}  // namespace hexaline::settings
