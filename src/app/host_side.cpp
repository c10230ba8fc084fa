// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/host_side.h"

#include "app/seed.h"

namespace hexaline::app {

HostSide::HostSide(QObject* parent)
    : QObject(parent), random_(processSeed()), service_(random_, {}, this) {
    setObjectName(QStringLiteral("serverform"));
}

}  // namespace hexaline::app
