// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window bounds as the settings file holds them are whatever a person or another program wrote
// there. Before they reach a window (and before they are written back) they are made sane: a
// size a window can have, a place near the screen, and, where the work area is known, a window
// that lies wholly within it.

#include "text/settings/preferences.h"

namespace hexaline::settings {

inline constexpr int kMinWindowWidth = 200;
inline constexpr int kMinWindowHeight = 150;
// No screen is larger; no window is placed farther out.
inline constexpr int kMaxWindowExtent = 16384;

// Sizes within [minimum, kMaxWindowExtent], places within ±kMaxWindowExtent.
WindowBounds saneBounds(WindowBounds bounds);

// How much of a window must lie on the work area for the user to reach it.
inline constexpr int kMinVisible = 100;
inline constexpr int kTitleHeight = 30;

// saneBounds, then no larger than `area`, and moved wholly into it unless kMinVisible pixels
// of it and its title bar are on it already. An empty area changes nothing more.
WindowBounds fitBounds(WindowBounds bounds, WindowBounds area);

}  // namespace hexaline::settings
