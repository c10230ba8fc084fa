// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Storing the phrase buttons' phrases as "Phrase1" to "Phrase9" of the section "agame".

#include <QString>
#include <array>

#include "text/settings/preferences.h"
#include "text/settings/write_result.h"

namespace hexaline::settings {

// Writes "Phrase" + k (k = 1..9); an empty phrase writes an empty value, which the next load
// ignores. A k outside 1..9 writes nothing and fails.
WriteResult savephrase(const QString& path, int k, const QString& phrase);
// Writes all nine in one commit, as the phrase editor's Done does.
WriteResult savephrases(const QString& path, const std::array<QString, kPhraseCount>& phrases);
WriteResult savephrases(const std::array<QString, kPhraseCount>& phrases);  // settingsFilePath()

}  // namespace hexaline::settings
