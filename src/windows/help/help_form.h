// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: topic buttons on the left, one page of text per topic on the right, the page
// in front being the one seen.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "windows/help/help_pages.h"

class QLabel;
class QPushButton;
class QTextBrowser;

namespace hexaline::help {

class HelpForm : public QWidget {
    Q_OBJECT
  public:
    explicit HelpForm(QWidget* parent = nullptr);

    // Shows the window without blocking, centred on `mainWindow`.
    void showOver(const QWidget* mainWindow);

    // The page in front, 1..8.
    int currentPage() const { return current_; }
    QTextBrowser* page(int number) const { return pages_.at(static_cast<std::size_t>(number - 1)); }
    QPushButton* topicButton(const QString& caption) const;
    // Opens a link of a page; false when it failed at once. The desktop's own by default.
    void setLinkOpener(std::function<bool(const QUrl&)> open) { openLink_ = std::move(open); }

    QLabel* captionLabel;  // the caption of the page in front
    QLabel* yearLabel;

  signals:
    // "Quick Instructions" and "About" open windows that belong to others.
    void quickInstructionsRequested();
    void aboutRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Brings page `number` to the front under `caption`.
    void showPage(int number, const QString& caption);

    std::array<QTextBrowser*, kPageCount> pages_{};
    std::vector<QPushButton*> topicButtons_;  // in the order of the topics
    int current_ = 1;
    std::function<bool(const QUrl&)> openLink_;
};

}  // namespace hexaline::help
