// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures of the chat area, drawn by the program at any device pixel ratio: the 18 smileys,
// the phrase buttons' faces ("P1".."P9" and a musical note) and the smiley button's face.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdint>

class QPainter;
class QPalette;

namespace hexaline::chat {

inline constexpr int kSmileyCount = 18;
inline constexpr int kSmileyWidth = 17;
inline constexpr int kSmileyHeight = 16;

// Smiley `picture` (0..17; any other number gives 0) in logical 17 x 16 pixels.
void drawSmiley(QPainter& painter, const QRectF& box, int picture);
// The smiley made at 17 x 16 x dpr, carrying that ratio.
QImage smileyImage(int picture, qreal dpr);

// Faces of the small white buttons: 1..9 "P" and the number, 10 a musical note, 0 a smiling
// face. The icons draw themselves at any size and pixel ratio.
void drawButtonFace(QPainter& painter, const QRectF& box, int face);
QIcon buttonFaceIcon(int face);
QIcon smileyIcon(int picture);

// The colour a colour value stands for: a plain colour, or the desktop colour `palette`
// gives for 0x80000000 + k. No colour, or a desktop number the palette lacks, gives the
// palette's text colour.
QColor colourOf(std::uint32_t value, const QPalette& palette);

}  // namespace hexaline::chat
