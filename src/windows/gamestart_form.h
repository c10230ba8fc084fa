// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game start dialog: the hosting player picks the score to play to and the time per turn,
// and starts the game.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <string>

#include "art/picture_button.h"
#include "windows/updown_spin.h"

namespace hexaline::windows {

class GameStartForm : public QDialog {
    Q_OBJECT

  public:
    // Receives the chosen play-to score and seconds per turn of the game to start.
    using StartHandler = std::function<void(int playToScore, int timePerTurn)>;
    // Stores the settings; called after every start.
    using SaveHandler = std::function<void()>;

    static constexpr int kPlayToMin = 0;
    static constexpr int kPlayToMax = 1000;
    static constexpr int kPlayToStep = 100;
    static constexpr int kPlayToInitial = 500;
    static constexpr int kTurnTimeMin = 30;
    static constexpr int kTurnTimeMax = 120;
    static constexpr int kTurnTimeStep = 5;
    static constexpr int kTurnTimeInitial = 60;

    explicit GameStartForm(QWidget* parent = nullptr);

    void setStartHandler(StartHandler handler) { start_ = std::move(handler); }
    void setSaveHandler(SaveHandler handler) { save_ = std::move(handler); }

    // Spin positions; a value outside the range is moved to the nearer end, and a play-to
    // score between two steps to the nearer step (a fresh profile stores 30).
    int playToScore() const { return UpDown1->value(); }
    void setPlayToScore(int points);
    int timePerTurn() const { return UpDown2->value(); }
    void setTimePerTurn(int seconds) { UpDown2->setValue(seconds); }

    // Shows the dialog without blocking, centred on `mainWindow` (or where it is when null).
    void showOver(const QWidget* mainWindow);

    // The start action: hands over the choice, hides the dialog, saves the settings.
    void button_startClick();

    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
    UpDownSpin* UpDown1;
    UpDownSpin* UpDown2;
    QLineEdit* edit_playtoscore;
    QLineEdit* edit_creationtime;
    art::PictureButton* button_start;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Ctrl+S start the game wherever the focus is in the dialog; Esc closes it.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    StartHandler start_;
    SaveHandler save_;
};

}  // namespace hexaline::windows
