// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tally/tally_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "text/settings/settings_location.h"
#include "windows/tally/tally_codec.h"

namespace hexaline::tally {

namespace {

QString putAside(const QString& path) {
    QString target = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".damaged-") + QString::number(n);
    if (QFile::rename(path, target) || (QFile::copy(path, target) && QFile::remove(path)))
        return target;
    return {};
}

}  // namespace

QString tallyFilePath() {
    const QFileInfo settings(settings::settingsFilePath());
    return QDir(settings.absolutePath()).absoluteFilePath(QLatin1String(kTallyFileName));
}

TallyLoad loadTally(const QString& path) {
    TallyLoad load;
    if (!QFileInfo::exists(path))
        return load;
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    QFile file(path);
    DecodeResult decoded;
    if (!file.open(QIODevice::ReadOnly)) {
        decoded.error = DecodeError::ReadError;
    } else {
        const QByteArray bytes = file.readAll();
        file.close();
        decoded = decodeTallyFile(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size()));
    }
    if (!decoded.ok()) {
        load.error = QString::fromStdString(decodeErrorText(decoded.error, name));
        load.keptAs = putAside(path);
        return load;
    }
    load.table = TallyTable::fromText(QByteArray::fromStdString(decoded.text));
    load.table.startSession();
    return load;
}

bool saveTally(const QString& path, const TallyTable& table) {
    const QByteArray text = table.toText();
    const std::vector<std::uint8_t> bytes = encodeTallyFile(text.toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    // Flush before commit: a cut-off write must leave the old file in place.
    return file.write(reinterpret_cast<const char*>(bytes.data()), size) == size && file.flush() &&
           file.commit();
}

}  // namespace hexaline::tally
