// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing of the buttons and small markers of the table, in logical pixels.

#include <QSize>
#include <QString>

class QPainter;

namespace hexaline::art::detail {

void paintButton(QPainter& p, QSize size, const QString& text);
void paintNotPlaying(QPainter& p, QSize size);
void paintEyes(QPainter& p, QSize size);
void paintTurnStrip(QPainter& p, QSize size);
void paintClockFrame(QPainter& p, QSize size);
void paintTimeBar(QPainter& p, QSize size);
void paintLogo(QPainter& p, QSize size);

}  // namespace hexaline::art::detail
