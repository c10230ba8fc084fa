// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tally window: the user's totals, the selected tallied player's counts, the other players
// of the current game and the tallied players. It owns the tally, reads the file when it is
// created and writes it after every recorded game, every change of the tallied players, and
// when it is destroyed at exit. The lists show the tally and the current game's players; what
// they mean is always taken from the tally and the names kept here, never from the lists.

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

    // "Reset Tally": after the user agrees, the user's counts go to 0 and no one is tallied.
    void resetTally();

    QLabel* myGamesLabel;
    QLabel* myWinsLabel;
    QLabel* myColumn3Label;  // hidden: the user's third and fourth stored counts
    QLabel* myColumn4Label;
    QLabel* playerTitleLabel;            // "Name's Tally"
    QLabel* playerWinsCaption;           // "Name Wins:"
    std::array<QLabel*, 8> countLabels;  // the selected player's counts, stored columns 1 to 8
    QListWidget* inGameList;             // the other players of the current game
    QListWidget* talliedList;            // the tallied players, in the tally's order
    QPushButton* resetButton;
    QPushButton* doneButton;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildControls();
    void showTotals();
    void showPlayer(int index);
    void fillTallied();
    void addTalliedItem(const QString& name);
    // A tick in "Players In Current Game" tallies that player; the tick then shows the tally.
    void tallyPlayerInGame(QListWidgetItem* item);
    // Unticking a tallied player removes the player's tally once the user agrees.
    void untallyPlayer(QListWidgetItem* item);

    QString path_;
    TallyTable table_;
    QStringList inGame_;  // the names shown in "Players In Current Game", in order
    QString loadError_;
    QString keptAs_;
    std::function<QStringList()> captions_;
    std::function<bool(const QString&)> confirm_;
    bool filling_ = false;  // check marks set by the program, not by the user
};

}  // namespace hexaline::tally
