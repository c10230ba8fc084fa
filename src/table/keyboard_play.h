// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing with the keyboard alone. While the chat input does not have the focus:
//   1 to 6        pick up or put down that hand tile
//   arrow keys    move the cursor on the board
//   Enter, Space  lay the raised tile on the cursor's square, or take back the tile laid there
//                 this turn
//   F, C, P       Finish, Clear, Pass (when that button is shown)
// Esc leaves the chat input for the board; Tab moves between the board and the chat input.
// Every key does exactly what the matching click does, so the rules of the turn stay in one
// place.

#include <QObject>
#include <QPoint>
#include <functional>

class QLineEdit;
class QWidget;

namespace hexaline::table {

class GameTable;
class TablePanel;
class KeyboardCursor;

// What the keys do, as clicks would.
struct KeyboardActions {
    std::function<void(int slot)> handTile;                 // a click on a hand tile
    std::function<void(int row, int column)> square;        // a click laying a tile
    std::function<void(int row, int column)> takeBack;      // a right click on a laid tile
    std::function<bool(int row, int column)> laidThisTurn;  // the square holds such a tile
    std::function<void()> finish, clear, pass;              // the buttons, when shown
};

class KeyboardPlay : public QObject {
    Q_OBJECT
  public:
    // `board` takes the focus for play; `chat` is the chat input the keys leave alone.
    KeyboardPlay(QWidget& board, QLineEdit& chat, KeyboardActions actions,
                 QObject* parent = nullptr);

    // The cursor's square, row and column from 1 to 12.
    QPoint cursor() const { return cursor_; }
    bool cursorShown() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool playKey(int key);
    void moveCursor(int rows, int columns);

    QWidget& board_;
    QLineEdit& chat_;
    KeyboardActions actions_;
    KeyboardCursor* cursorView_;
    QPoint cursor_{6, 6};  // (row, column)
};

// Keyboard play on the table's board and chat input, wired to the table's own handlers.
KeyboardPlay* installKeyboardPlay(GameTable& table, TablePanel& panel);

}  // namespace hexaline::table
