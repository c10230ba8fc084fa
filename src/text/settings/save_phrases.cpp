// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/save_phrases.h"

#include "text/settings/profile_file.h"
#include "text/settings/settings_location.h"

namespace hexaline::settings {
namespace {

QString phraseKey(int k) {
    return QStringLiteral("Phrase%1").arg(k);
}

}  // namespace

WriteResult savephrase(const QString& path, int k, const QString& phrase) {
    ProfileFile file = ProfileFile::load(path);
    if (k < 1 || k > kPhraseCount) {
        return WriteResult{false, file.path()};
    }
    file.writeString(kSection, phraseKey(k), phrase);
    return WriteResult{file.save(), file.path()};
}

WriteResult savephrases(const QString& path, const std::array<QString, kPhraseCount>& phrases) {
    ProfileFile file = ProfileFile::load(path);
    for (int k = 1; k <= kPhraseCount; ++k) {
        file.writeString(kSection, phraseKey(k), phrases[k - 1]);
    }
    return WriteResult{file.save(), file.path()};
}

WriteResult savephrases(const std::array<QString, kPhraseCount>& phrases) {
    return savephrases(settingsFilePath(), phrases);
}

}  // namespace hexaline::settings
