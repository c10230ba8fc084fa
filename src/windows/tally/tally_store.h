// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tally file on disk: "agametally.tld" in the settings file's folder. It is read once at
// start and written whole, through a temporary file in the same folder renamed over the old
// one, after every recorded game and at exit.

#include <QString>

#include "windows/tally/tally_table.h"

namespace hexaline::tally {

inline constexpr char kTallyFileName[] = "agametally.tld";

// The tally file beside the settings file.
QString tallyFilePath();

struct TallyLoad {
    TallyTable table;  // empty (row 0 all "0") when the file is missing or damaged
    QString error;     // the damage, in the user's words; empty when the file was sound
    QString keptAs;    // where a damaged file was put aside
};

// Reads the tally. A damaged file is renamed aside (".damaged", then ".damaged-2" ...) so that
// the next save cannot overwrite what the user had.
TallyLoad loadTally(const QString& path);

// Writes the tally; false when the file could not be written (the old one then stays).
bool saveTally(const QString& path, const TallyTable& table);

}  // namespace hexaline::tally
