// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An image control showing one of the table's pictures at the screen's pixel ratio. A widget
// narrower than its picture shows the left part of it (the time bar).

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace hexaline::table {

class PictureWidget : public QWidget {
    Q_OBJECT
  public:
    using Maker = std::function<QPixmap(qreal dpr)>;

    PictureWidget(Maker maker, QSize size, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Maker maker_;
};

}  // namespace hexaline::table
