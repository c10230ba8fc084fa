// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lettering for the pictures: fonts and outlines of text fitted into a box.

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace hexaline::art::detail {

// A sans-serif (or serif) font of `pixelSize` pixels, choosing among the common families.
QFont artFont(qreal pixelSize, int weight, bool serif = false);

// The outline of `text`, centred in `box` by its ink, shrunk to fit when too wide.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box);

}  // namespace hexaline::art::detail
