// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings file of "[section]" lines and "key=value" lines, read whole, changed in memory and
// written back whole through a temporary file. Section and key names match without regard to
// letter case. Writing a key touches only that key's line (or adds one inside its section);
// every other byte of the file stays as it was, line endings included.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace hexaline::settings {

class ProfileFile {
  public:
    // A value is read as at most this many characters.
    static constexpr qsizetype kMaxValueLength = 2047;
    // A settings file holds a few kilobytes; one larger than this is not read (nor saved over).
    static constexpr qint64 kMaxFileBytes = qint64{1} << 20;

    // Opens, reads and closes the file. A missing file is an empty profile; a file that exists
    // but cannot be read, is not a regular file or is over kMaxFileBytes is empty too and
    // refuses to be saved over (see `save`). Nothing at the path can block the read.
    static ProfileFile load(const QString& path);

    const QString& path() const { return path_; }
    bool readFailed() const { return readFailed_; }
    // The bytes `save` would write.
    QByteArray bytes() const;

    // The value of the first line of `key` in the first section named `section`, spaces and
    // tabs around it removed, cut to kMaxValueLength characters; nullopt when there is none.
    std::optional<QString> value(QStringView section, QStringView key) const;
    QString readString(QStringView section, QStringView key, const QString& fallback) const;
    // The value read as an integer; `fallback` when the key is missing or not an integer.
    int readInteger(QStringView section, QStringView key, int fallback) const;

    // Sets the key in memory. Line breaks in the value become spaces, so a value can never
    // start a line of its own. False when the section or key name cannot be written as one.
    bool writeString(QStringView section, QStringView key, QStringView value);

    // True when something was written since loading or the last save.
    bool modified() const { return modified_; }
    // Writes the file through QSaveFile when modified; true when nothing needed writing.
    // False when the file cannot be written or could not be read (saving would lose its other
    // sections); the file on disk is then unchanged.
    bool save();

  private:
    struct Line {
        QByteArray body;  // without the line end
        QByteArray end;   // "\n", "\r\n", or empty on a last line without one
    };
    struct SectionRange {
        qsizetype header;  // index of the "[name]" line
        qsizetype end;     // one past the section's last line
    };

    std::optional<SectionRange> findSection(QStringView section) const;
    std::optional<qsizetype> findKey(const SectionRange& range, QStringView key) const;
    QByteArray lineEnd() const;
    void terminateLastLine();

    QString path_;
    bool bom_ = false;
    bool readFailed_ = false;
    bool modified_ = false;
    std::vector<Line> lines_;
};

}  // namespace hexaline::settings
