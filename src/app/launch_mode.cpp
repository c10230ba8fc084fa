// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/launch_mode.h"

namespace hexaline::app {

LaunchPlan decideLaunch(const QStringList& positional) {
    LaunchPlan plan;
    if (positional.isEmpty()) {
        plan.mode = LaunchMode::Solo;
        plan.playername = QStringLiteral("You");
        plan.hostaddress = QStringLiteral("127.0.0.1");
        plan.chatLine = QString::fromLatin1(kSoloLine);
        return plan;
    }
    plan.chatLine = QString::fromLatin1(kMultiLine);
    if (positional.size() < 3) {
        plan.mode = LaunchMode::Waiting;
        return plan;
    }
    plan.playername = positional[0];
    plan.hostaddress = positional[1];
    plan.mode = positional[2] == QStringLiteral("true") ? LaunchMode::Host : LaunchMode::Join;
    plan.lobbyLink = true;
    return plan;
}

}  // namespace hexaline::app
