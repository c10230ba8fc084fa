// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_texts.h"

namespace hexaline::table {

QString minutesText(int seconds) {
    const int m = seconds / 60;
    const int s = seconds % 60;
    return s >= 10 ? QStringLiteral("%1:%2").arg(m).arg(s) : QStringLiteral("%1:0%2").arg(m).arg(s);
}

}  // namespace hexaline::table
