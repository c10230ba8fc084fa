// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/window_bounds.h"

#include <algorithm>

namespace hexaline::settings {

WindowBounds saneBounds(WindowBounds b) {
    b.width = std::clamp(b.width, kMinWindowWidth, kMaxWindowExtent);
    b.height = std::clamp(b.height, kMinWindowHeight, kMaxWindowExtent);
    b.left = std::clamp(b.left, -kMaxWindowExtent, kMaxWindowExtent);
    b.top = std::clamp(b.top, -kMaxWindowExtent, kMaxWindowExtent);
    return b;
}

WindowBounds fitBounds(WindowBounds b, WindowBounds area) {
    b = saneBounds(b);
    if (area.width <= 0 || area.height <= 0)
        return b;
    area = saneBounds(area);
    b.width = std::min(b.width, area.width);
    b.height = std::min(b.height, area.height);
    // A window the user can still reach (part of it and its title bar on the work area) stays
    // where it is; any other is moved wholly onto the work area.
    const bool reachable = b.left + b.width - kMinVisible >= area.left &&
                           b.left + kMinVisible <= area.left + area.width && b.top >= area.top &&
                           b.top + kTitleHeight <= area.top + area.height;
    if (!reachable) {
        b.left = std::clamp(b.left, area.left, area.left + area.width - b.width);
        b.top = std::clamp(b.top, area.top, area.top + area.height - b.height);
    }
    return b;
}

}  // namespace hexaline::settings
