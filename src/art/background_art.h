// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maroon table cloth: a square that tiles without seams.

#include <QImage>

namespace hexaline::art::detail {

// `logicalSize` x `logicalSize` logical pixels at `dpr`. Every pattern in it repeats with the
// period of the square, so copies laid side by side meet without a visible edge.
QImage tableCloth(int logicalSize, qreal dpr);

}  // namespace hexaline::art::detail
