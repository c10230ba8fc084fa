// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/profile_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "text/settings/bounded_file.h"
#include "text/settings/profile_number.h"
#include "text/text_codec.h"

namespace hexaline::settings {
namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kLf("\n");
const QByteArray kCrLf("\r\n");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView s) {
    while (!s.isEmpty() && isBlank(s.front())) {
        s = s.sliced(1);
    }
    while (!s.isEmpty() && isBlank(s.back())) {
        s.chop(1);
    }
    return s;
}

// The name of a "[name]" line (up to the first "]"), or nullopt for any other line.
std::optional<QByteArrayView> sectionName(QByteArrayView body) {
    const QByteArrayView t = trimmed(body);
    if (!t.startsWith('[')) {
        return std::nullopt;
    }
    QByteArrayView name = t.sliced(1);
    const qsizetype close = name.indexOf(']');
    if (close >= 0) {
        name = name.first(close);
    }
    return trimmed(name);
}

struct KeyLine {
    QByteArrayView key;
    QByteArrayView value;
};

// A "key=value" line; comments (";"), section lines and lines without "=" are not.
std::optional<KeyLine> keyLine(QByteArrayView body) {
    const QByteArrayView t = trimmed(body);
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('[')) {
        return std::nullopt;
    }
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0) {
        return std::nullopt;
    }
    const QByteArrayView key = trimmed(t.first(eq));
    if (key.isEmpty()) {
        return std::nullopt;
    }
    return KeyLine{key, trimmed(t.sliced(eq + 1))};
}

bool sameName(QByteArrayView stored, QStringView wanted) {
    return QString::compare(text::decodeText(stored), wanted, Qt::CaseInsensitive) == 0;
}

QString cut(QString s) {
    if (s.size() > ProfileFile::kMaxValueLength) {
        qsizetype n = ProfileFile::kMaxValueLength;
        if (s.at(n - 1).isHighSurrogate()) {
            --n;
        }
        s.truncate(n);
    }
    return s;
}

bool hasLineBreak(QStringView s) {
    return s.contains(u'\n') || s.contains(u'\r') || s.contains(QChar(0));
}

bool validSectionName(QStringView s) {
    const QStringView t = s.trimmed();
    return !t.isEmpty() && t.size() == s.size() && !hasLineBreak(s) && !s.contains(u']');
}

bool validKeyName(QStringView s) {
    const QStringView t = s.trimmed();
    return !t.isEmpty() && t.size() == s.size() && !hasLineBreak(s) && !s.contains(u'=') &&
           !s.startsWith(u'[') && !s.startsWith(u';');
}

}  // namespace

ProfileFile ProfileFile::load(const QString& path) {
    ProfileFile p;
    p.path_ = QFileInfo(path).absoluteFilePath();
    BoundedFile file = readBoundedFile(p.path_, kMaxFileBytes);
    if (file.result == BoundedRead::Missing) {
        return p;
    }
    // Anything but a readable regular file within the bound is never read nor saved over.
    if (!file.ok()) {
        p.readFailed_ = true;
        return p;
    }
    QByteArray data = std::move(file.bytes);

    if (data.startsWith(kBom)) {
        p.bom_ = true;
        data.remove(0, kBom.size());
    }
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype nl = data.indexOf('\n', start);
        Line line;
        if (nl < 0) {
            line.body = data.mid(start);
            start = data.size();
        } else {
            line.body = data.mid(start, nl - start);
            // Shared line ends: a file of many short lines costs no allocation per end.
            line.end = kLf;
            if (line.body.endsWith('\r')) {
                line.body.chop(1);
                line.end = kCrLf;
            }
            start = nl + 1;
        }
        p.lines_.push_back(std::move(line));
    }
    return p;
}

QByteArray ProfileFile::bytes() const {
    QByteArray out;
    if (bom_) {
        out += kBom;
    }
    for (const Line& l : lines_) {
        out += l.body;
        out += l.end;
    }
    return out;
}

std::optional<ProfileFile::SectionRange> ProfileFile::findSection(QStringView section) const {
    const auto n = static_cast<qsizetype>(lines_.size());
    for (qsizetype i = 0; i < n; ++i) {
        const auto name = sectionName(lines_[i].body);
        if (!name || !sameName(*name, section)) {
            continue;
        }
        qsizetype end = i + 1;
        while (end < n && !sectionName(lines_[end].body)) {
            ++end;
        }
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> ProfileFile::findKey(const SectionRange& range, QStringView key) const {
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto kv = keyLine(lines_[i].body);
        if (kv && sameName(kv->key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<QString> ProfileFile::value(QStringView section, QStringView key) const {
    const auto range = findSection(section);
    if (!range) {
        return std::nullopt;
    }
    const auto at = findKey(*range, key);
    if (!at) {
        return std::nullopt;
    }
    return cut(text::decodeText(keyLine(lines_[*at].body)->value));
}

QString ProfileFile::readString(QStringView section, QStringView key,
                                const QString& fallback) const {
    return value(section, key).value_or(fallback);
}

int ProfileFile::readInteger(QStringView section, QStringView key, int fallback) const {
    const auto text = value(section, key);
    if (!text) {
        return fallback;
    }
    return parseProfileInteger(*text).value_or(fallback);
}

QByteArray ProfileFile::lineEnd() const {
    for (const Line& l : lines_) {
        if (!l.end.isEmpty()) {
            return l.end;
        }
    }
    return "\n";
}

void ProfileFile::terminateLastLine() {
    if (!lines_.empty() && lines_.back().end.isEmpty()) {
        lines_.back().end = lineEnd();
    }
}

bool ProfileFile::writeString(QStringView section, QStringView key, QStringView value) {
    if (!validSectionName(section) || !validKeyName(key)) {
        return false;
    }
    QString clean = value.toString();
    clean.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' ');
    const QByteArray encoded = text::encodeText(clean);

    const auto range = findSection(section);
    if (range) {
        if (const auto at = findKey(*range, key)) {
            Line& line = lines_[*at];
            // Keep the key as the file spells it.
            const QByteArray body = keyLine(line.body)->key.toByteArray() + '=' + encoded;
            if (body != line.body) {
                line.body = body;
                modified_ = true;
            }
            return true;
        }
        // After the section's last line that is not blank, so the blank lines that part it
        // from the next section stay in front of that section.
        qsizetype insertAt = range->header + 1;
        for (qsizetype i = range->end - 1; i > range->header; --i) {
            if (!trimmed(lines_[i].body).isEmpty()) {
                insertAt = i + 1;
                break;
            }
        }
        const QByteArray end = lineEnd();
        if (lines_[insertAt - 1].end.isEmpty()) {
            lines_[insertAt - 1].end = end;
        }
        lines_.insert(lines_.begin() + insertAt, Line{text::encodeText(key) + '=' + encoded, end});
        modified_ = true;
        return true;
    }

    const QByteArray end = lineEnd();
    terminateLastLine();
    if (!lines_.empty() && !trimmed(lines_.back().body).isEmpty()) {
        lines_.push_back(Line{QByteArray(), end});
    }
    lines_.push_back(Line{'[' + text::encodeText(section) + ']', end});
    lines_.push_back(Line{text::encodeText(key) + '=' + encoded, end});
    modified_ = true;
    return true;
}

bool ProfileFile::save() {
    if (!modified_) {
        return true;
    }
    if (readFailed_) {
        return false;
    }
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray data = bytes();
    // QSaveFile's commit does not notice when the last buffered bytes fail to reach the disk
    // (a full disk, a size limit) and would put a cut-off file in place: flush and check first.
    // Without commit the temporary file is thrown away and the old file stays.
    if (f.write(data) != data.size() || !f.flush() || !f.commit()) {
        return false;
    }
    modified_ = false;
    return true;
}

}  // namespace hexaline::settings
