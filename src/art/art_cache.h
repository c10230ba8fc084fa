// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One cache for every drawn picture: a picture is drawn once per kind and device pixel ratio.

#include <QPixmap>
#include <QString>
#include <functional>

namespace hexaline::art::detail {

// The cached picture `kind` at `dpr`, drawn by `draw` on first use. `draw` paints in logical
// pixels on a transparent pixmap of `size` x `dpr` with antialiasing on.
QPixmap cached(const QString& kind, QSize size, qreal dpr,
               const std::function<void(QPainter&)>& draw);

// The cached picture `kind` at `dpr`, made whole by `make` on first use.
QPixmap cachedPixmap(const QString& kind, qreal dpr, const std::function<QPixmap()>& make);

// A pixel ratio that is finite and positive; anything else counts as 1.
qreal saneRatio(qreal dpr);

}  // namespace hexaline::art::detail
