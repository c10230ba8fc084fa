// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A number shown in an edit the user cannot type into, changed only by its spin arrows (mouse,
// wheel or the arrow keys).

#include <QLineEdit>
#include <QSpinBox>

namespace hexaline::windows {

class UpDownSpin : public QSpinBox {
    Q_OBJECT

  public:
    UpDownSpin(int minimum, int maximum, int step, int initial, QWidget* parent = nullptr);

    // The edit that shows the position.
    QLineEdit* edit() const { return lineEdit(); }
};

}  // namespace hexaline::windows
