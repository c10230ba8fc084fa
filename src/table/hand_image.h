// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One hand slot: a 36 x 36 image holding the slot's tile code (0 = no tile). It rests at y 468
// and is raised to y 452 while its tile is picked up. Before the first deal it may show a
// decorative placeholder; a slot without a tile otherwise shows nothing.

#include <QWidget>

namespace hexaline::table {

class HandImage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRestY = 468;
    static constexpr int kRaisedY = 452;

    HandImage(int slot, int x, QWidget* parent = nullptr);

    int slot() const { return slot_; }
    int tileCode() const { return tileCode_; }
    // A fresh picture of the tile; ends the placeholder.
    void setTileCode(int code);
    void showPlaceholder(int picture);
    // The picture shown: a tile picture number, or -1 for none.
    int picture() const;

    void setRaised(bool raised);

  signals:
    // A mouse button released over the image.
    void mouseUp(int slot, Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int slot_;
    int tileCode_ = 0;
    int placeholder_ = -1;
};

}  // namespace hexaline::table
