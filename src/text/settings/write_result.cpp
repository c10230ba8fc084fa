// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/write_result.h"

#include <QDir>

namespace hexaline::settings {

QString WriteResult::message() const {
    if (ok) {
        return {};
    }
    return QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(fileName));
}

}  // namespace hexaline::settings
