// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every picture of the game table, drawn by the program at any device pixel ratio, so they stay
// crisp on high-DPI screens. Sizes are logical pixels; each pixmap is made at size x dpr and
// carries that ratio. Drawing needs the application object (QGuiApplication) to exist.

#include <QColor>
#include <QPixmap>

class QWidget;

namespace hexaline::art {

// Size of a tile picture and of a board square.
inline constexpr int kTileSize = 36;
// Picture number of the empty board square.
inline constexpr int kEmptySquare = 36;

// Picture `picture` of the 37 tile pictures: 1..35 the tile with that code, 0 the green
// bubbles, 36 the dark grey empty square. Any other number gives the empty square.
QPixmap tile(int picture, qreal dpr);

// A board square: the tile picture for `picture` 0..35 lying on the empty square, opaque, so
// its rounded corners show the board's dark grey; 36 (or any other number) the empty square.
QPixmap boardSquare(int picture, qreal dpr);

// Colour of the tile symbols for colour number `colour` (tile code mod 6): 1 purple, 2 yellow,
// 3 orange, 4 red, 5 blue, 0 green.
QColor tileColour(int colour);

enum class Button { StartGame, Finish, Clear, Pass, DialogStart };
// START GAME 120x30, FINISH 62x30, CLEAR 64x30, PASS 53x30; DialogStart is the game start
// dialog's start button, 120x30, also reading START GAME.
QPixmap button(Button which, qreal dpr);
QSize buttonSize(Button which);

QPixmap notPlaying(qreal dpr);  // 99x14, reads NOT PLAYING
QPixmap eyes(qreal dpr);        // 23x10, a pair of eyes: the seat watches
QPixmap turnStrip(qreal dpr);   // 101x16, dark red strip with a light edge
QPixmap clockFrame(qreal dpr);  // 248x30, dark grey frame of the time bar
QPixmap timeBar(qreal dpr);     // 244x26, the full dark red time bar (shown clipped to width)
QPixmap logo(qreal dpr);        // 249x26, the maker's name
QPixmap background(qreal dpr);  // 100x100 tile of the maroon table
// Covers a window with the table's background, from its paint event.
void paintBackground(QWidget& window);

// Colours of the table.
inline const QColor kMaroon{128, 0, 0};
inline const QColor kLabelText{251, 253, 206};
inline const QColor kBoardFill{255, 255, 204};
inline const QColor kClockText{226, 228, 182};

}  // namespace hexaline::art
