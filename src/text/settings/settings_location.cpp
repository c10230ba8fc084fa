// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/settings_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace hexaline::settings {
namespace {

QString& overridePath() {
    static QString path;
    return path;
}

}  // namespace

bool isSystemProgramFolder(const QString& dir) {
    static const QStringList folders = {
        QStringLiteral("/bin"), QStringLiteral("/usr/bin"), QStringLiteral("/usr/games"),
        QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/local/games")};
    const QString clean = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    return folders.contains(clean) || clean.startsWith(QStringLiteral("/opt/"));
}

QString chooseSettingsPath(const QString& exeDir, const QString& userConfigDir) {
    const QFileInfo exe(exeDir);
    // An installed program keeps its settings per user even where its folder is writable (the
    // administrator's own session): a shared folder must not collect one user's settings.
    if (!exeDir.isEmpty() && exe.isDir() && exe.isWritable() && !isSystemProgramFolder(exeDir)) {
        return QDir(exe.absoluteFilePath()).absoluteFilePath(QLatin1String(kSettingsFileName));
    }
    QDir().mkpath(userConfigDir);
    return QDir(userConfigDir).absoluteFilePath(QLatin1String(kSettingsFileName));
}

QString settingsFilePath() {
    if (!overridePath().isEmpty()) {
        return overridePath();
    }
    return chooseSettingsPath(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

void setSettingsFilePath(const QString& path) {
    overridePath() = path;
}

}  // namespace hexaline::settings
