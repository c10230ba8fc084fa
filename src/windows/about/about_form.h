// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: the logo, the link to the home page, the credit lines with this year, and
// the version.

#include <QWidget>

class QLabel;
class QPushButton;

namespace hexaline::about {

// The version shown, which is also the one the client sends when it logs in.
QString versionText();

class AboutForm : public QWidget {
    Q_OBJECT
  public:
    explicit AboutForm(QWidget* parent = nullptr);

    // Shows the window without blocking, centred on `mainWindow`.
    void showOver(const QWidget* mainWindow);

    QWidget* logo;
    QLabel* homePageLabel;
    QLabel* yearLabel;
    QLabel* versionLabel;
    QLabel* buildLabel;  // ".0"
    QPushButton* doneButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace hexaline::about
