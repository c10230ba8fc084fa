// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tally window: the user's totals, the selected tallied player's counts, the other players
// of the current game and the tallied players. It owns the tally, reads the file when it is
// created and writes it after every recorded game, every change of the tallied players, and
// when it is destroyed at exit.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

#include "windows/tally/tally_table.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace hexaline::tally {

class TallyListForm : public QWidget {
    Q_OBJECT
  public:
    // Reads the tally file at `path` (see tallyFilePath()).
    explicit TallyListForm(const QString& path, QWidget* parent = nullptr);
    ~TallyListForm() override;

    // The captions of the name labels of player seats 1 to 4 other than the user's own.
    void setSeatCaptions(std::function<QStringList()> captions) { captions_ = std::move(captions); }
    // Asks a yes/no question; a message box unless a test replaces it.
    void setConfirm(std::function<bool(const QString& question)> confirm) {
        confirm_ = std::move(confirm);
    }

    // A damaged file found at creation: the message for the user, and where the file was put.
    const QString& loadError() const { return loadError_; }
    const QString& keptAs() const { return keptAs_; }
    const TallyTable& table() const { return table_; }
    bool save();

    // Fills "Players In Current Game" from the seat captions.
    void loadchecklist();
    // Counts a finished game: the winner's name, or "addtomine" for the user's own win.
    void addgame(const QString& winner);
    // View > "View Tally": loadchecklist, then show without blocking, centred on `mainWindow`.
    void showOver(const QWidget* mainWindow);

    void button_resetClick();
    void button_doneClick() { close(); }

    QLabel* mylabel_1;
    QLabel* mylabel_2;
    QLabel* mylabel_3;
    QLabel* mylabel_4;
    QLabel* label_hisnametop;
    QLabel* label_hisname;
    std::array<QLabel*, 8> label_;  // label_1 .. label_8
    QListWidget* checklist;
    QListWidget* listbox_tally;
    QPushButton* button_reset;
    QPushButton* button_done;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildControls();
    void showTotals();
    void showPlayer(int index);
    void fillTallied();
    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClickCheck(QListWidgetItem* item);

    QString path_;
    TallyTable table_;
    QString loadError_;
    QString keptAs_;
    std::function<QStringList()> captions_;
    std::function<bool(const QString&)> confirm_;
    bool filling_ = false;  // check marks set by the program, not by the user
};

}  // namespace hexaline::tally
