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

QString chooseSettingsPath(const QString& exeDir, const QString& userConfigDir) {
    const QFileInfo exe(exeDir);
    if (!exeDir.isEmpty() && exe.isDir() && exe.isWritable()) {
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
