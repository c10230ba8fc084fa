// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/listen_failure.h"

#include "transport/status.h"

namespace hexaline::app {

QString listenFailure(const QString& reported, std::uint16_t port) {
    if (reported == QLatin1String(transport::kErrorBinding)) {
        return QStringLiteral(
                   "Port %1 is already in use on this computer, perhaps by another game. "
                   "Choose another port and host again.")
            .arg(port);
    }
    if (reported == QLatin1String(transport::kErrorStartingListen))
        return QStringLiteral("Hexaline could not start hosting on port %1.").arg(port);
    return reported;
}

}  // namespace hexaline::app
