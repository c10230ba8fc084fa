// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A button shown as one of the drawn button pictures: hand cursor, lit while the mouse is over
// it, pressed down a pixel while held.

#include <QAbstractButton>

#include "art/artwork.h"

namespace hexaline::art {

class PictureButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit PictureButton(Button which, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    Button which() const { return which_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    Button which_;
    bool hovered_ = false;
};

}  // namespace hexaline::art
