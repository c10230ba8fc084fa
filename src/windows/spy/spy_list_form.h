// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spy list: the spectators (seats 5 to 9), one entry each, written as seat, ": " and name,
// in the order they came. The hosting player removes one through the list's pop-up menu.

#include <QString>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace hexaline::spy {

class SpyListForm : public QWidget {
    Q_OBJECT
  public:
    explicit SpyListForm(QWidget* parent = nullptr);

    // The client's kick operation, given the chosen seat.
    void setKicking(std::function<void(int seat)> kicking) { kicking_ = std::move(kicking); }

    void addSpectator(const QString& entry);
    // Removes the first entry whose whole text matches; false when there is none.
    bool removeSpectator(const QString& entry);
    // Shows exactly these entries, in this order.
    void showEntries(const QStringList& entries);
    QStringList entries() const { return entries_; }

    // "Remove From Game" is offered only in the hosting instance.
    void setRemoveEnabled(bool enabled);
    bool removeEnabled() const { return removeEnabled_; }

    // The entry under the pointer as last seen, -1 when the pointer was over no entry.
    int hoverIndex() const { return hoverIndex_; }
    // Remembers the entry at `pos` (list viewport coordinates).
    void rememberEntryAt(const QPoint& pos);
    // "Remove From Game": kicks the seat of the remembered entry.
    void kickSelected();

    // Shows the window without blocking, centred on `mainWindow`.
    void showOver(const QWidget* mainWindow);

    QListWidget* spyList;  // shows entries(), one item each, in the same order
    QLabel* titleLabel;
    QPushButton* doneButton;
    QMenu* kickMenu;
    QAction* kickAction;  // "Remove From Game"

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(int seat)> kicking_;
    QStringList entries_;
    bool removeEnabled_ = false;
    int hoverIndex_ = -1;
};

}  // namespace hexaline::spy
