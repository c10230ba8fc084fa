// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quick instructions: a panel over the table that shows the placing rules. It waits outside
// the visible area until it is shown, and its Done button only hides it.

#include <QWidget>

class QPushButton;

namespace hexaline::windows {

class QuickInstructions : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 753;
    static constexpr int kHeight = 519;

    explicit QuickInstructions(QWidget* table);

    // Places the panel over the board and the chat, visible and in front.
    void showOverTable();

    QPushButton* doneButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Esc hides the panel, as Done does.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace hexaline::windows
