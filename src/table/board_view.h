// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board paint area: 12 x 12 squares of 36 pixels drawn from the client board. Changing one
// square repaints only that square.

#include <QWidget>

#include "table/client_state.h"

namespace hexaline::table {

class BoardView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSquarePixels = 36;
    static constexpr int kPixels = kSquarePixels * kBoardLines;  // 432

    explicit BoardView(QWidget* parent = nullptr);

    // The board to draw; without one every square is drawn empty.
    void setBoard(const ClientBoard* board) { board_ = board; }

    // Draws one square again, from the board, at the next paint.
    void drawSquare(int row, int column);
    static QRect squareRect(int row, int column);

    // Squares drawn by paints so far (to check that a change repaints only what changed).
    int squaresPainted() const { return squaresPainted_; }

  signals:
    // A mouse button pressed over the board, at (x, y) of the paint area.
    void mouseDown(Qt::MouseButton button, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;  // boardPaint
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const ClientBoard* board_ = nullptr;
    int squaresPainted_ = 0;
};

}  // namespace hexaline::table
