// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The framed panel around the board: light yellow fill inside a black line.

#include <QWidget>

namespace hexaline::table {

class BoardFrame : public QWidget {
    Q_OBJECT
  public:
    explicit BoardFrame(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace hexaline::table
