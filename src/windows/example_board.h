// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A few squares of a board with tiles on them: the pictures of the quick instructions. Tiles
// laid this turn carry a ring; a play that is not allowed is marked with a cross.

#include <QWidget>
#include <vector>

namespace hexaline::windows {

class ExampleBoard : public QWidget {
  public:
    struct Tile {
        int row;     // 1..rows
        int column;  // 1..columns
        int code;    // tile code
        bool laid;   // laid this turn
    };

    static constexpr int kSquare = 24;

    ExampleBoard(int rows, int columns, std::vector<Tile> tiles, bool allowed,
                 QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int rows_;
    int columns_;
    std::vector<Tile> tiles_;
    bool allowed_;
};

}  // namespace hexaline::windows
