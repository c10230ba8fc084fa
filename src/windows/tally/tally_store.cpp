// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tally/tally_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "text/settings/bounded_file.h"
#include "text/settings/settings_location.h"
#include "windows/tally/tally_codec.h"

namespace hexaline::tally {

namespace {

// Renames the file aside. Only a regular file that was read whole is ever copied instead: a
// FIFO, a device or a huge file is never opened here.
QString putAside(const QString& path, const QByteArray* readBytes) {
    QString target = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = path + QStringLiteral(".damaged-") + QString::number(n);
    if (QFile::rename(path, target))
        return target;
    if (readBytes != nullptr) {
        QSaveFile copy(target);
        if (copy.open(QIODevice::WriteOnly) && copy.write(*readBytes) == readBytes->size() &&
            copy.commit() && QFile::remove(path))
            return target;
    }
    return {};
}

}  // namespace

QString tallyFilePath() {
    const QFileInfo settings(settings::settingsFilePath());
    return QDir(settings.absolutePath()).absoluteFilePath(QLatin1String(kTallyFileName));
}

TallyLoad loadTally(const QString& path) {
    TallyLoad load;
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    const settings::BoundedFile file = settings::readBoundedFile(path, kMaxFileSize);
    if (file.result == settings::BoundedRead::Missing)
        return load;
    DecodeResult decoded;
    if (!file.ok()) {
        decoded.error = DecodeError::ReadError;
    } else {
        decoded = decodeTallyFile(reinterpret_cast<const std::uint8_t*>(file.bytes.constData()),
                                  static_cast<std::size_t>(file.bytes.size()));
        if (decoded.ok())
            decoded.error = checkTallyText(decoded.text);
    }
    if (!decoded.ok()) {
        load.error = QString::fromStdString(decodeErrorText(decoded.error, name));
        load.keptAs = putAside(path, file.ok() ? &file.bytes : nullptr);
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
