// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outcome of writing the settings file.

#include <QString>

namespace hexaline::settings {

struct WriteResult {
    bool ok = true;
    QString fileName;  // the file's full name

    // "Unable to write to " and the file's full name; empty when the write succeeded.
    QString message() const;
};

}  // namespace hexaline::settings
