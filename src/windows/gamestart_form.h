// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game start dialog: the hosting player picks the score to play to and the time per turn,
// and starts the game. The spins show the preferences and write the user's steps into them.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <functional>
#include <string>

#include "art/picture_button.h"
#include "text/settings/preference_store.h"
#include "windows/updown_spin.h"

namespace hexaline::windows {

class GameStartForm : public QDialog {
    Q_OBJECT

  public:
    // Receives the chosen play-to score and seconds per turn of the game to start.
    using StartHandler = std::function<void(int playToScore, int timePerTurn)>;
    // Stores the settings; called after every start.
    using SaveHandler = std::function<void()>;

    static constexpr int kPlayToMin = settings::kPlayToMin;
    static constexpr int kPlayToMax = settings::kPlayToMax;
    static constexpr int kPlayToStep = settings::kPlayToStep;
    static constexpr int kTurnTimeMin = settings::kTurnTimeMin;
    static constexpr int kTurnTimeMax = settings::kTurnTimeMax;
    static constexpr int kTurnTimeStep = 5;

    explicit GameStartForm(QWidget* parent = nullptr);

    void setStartHandler(StartHandler handler) { start_ = std::move(handler); }
    void setSaveHandler(SaveHandler handler) { save_ = std::move(handler); }

    // The preferences the spins show from now on; until then the dialog's own.
    void showPreferences(settings::PreferenceStore& prefs);

    // The chosen values, as the preferences hold them. Setting one is the user's choice; a
    // value outside the range is moved to the nearer end, and a play-to score between two
    // steps to the nearer step (a fresh profile stores 30).
    int playToScore() const { return prefs().playToScore(); }
    void setPlayToScore(int points) { prefs().setPlayToScore(points); }
    int timePerTurn() const { return prefs().timePerTurn(); }
    void setTimePerTurn(int seconds) { prefs().setTimePerTurn(seconds); }

    // Shows the dialog without blocking, centred on `mainWindow` (or where it is when null).
    void showOver(const QWidget* mainWindow);

    // START: hands over the choice, hides the dialog, saves the settings.
    void startGame();

    QLabel* titleLabel;
    QLabel* playToLabel;
    QLabel* turnTimeLabel;
    UpDownSpin* playToSpin;
    UpDownSpin* turnTimeSpin;
    QLineEdit* edit_playtoscore;
    QLineEdit* edit_creationtime;
    art::PictureButton* button_start;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Ctrl+S start the game wherever the focus is in the dialog; Esc closes it.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    settings::PreferenceStore& prefs() const { return shown_ ? *shown_ : own_; }
    // The spins show the values of the preferences.
    void showValues();

    StartHandler start_;
    SaveHandler save_;
    mutable settings::PreferenceStore own_;
    QPointer<settings::PreferenceStore> shown_;
    QList<QMetaObject::Connection> bindings_;
};

}  // namespace hexaline::windows
