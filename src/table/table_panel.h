// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table panel: every control of the game table at its place, in its starting state. It
// draws no background of its own; the window's maroon table shows through.

#include <QWidget>
#include <array>
#include <cstdint>

#include "protocol/seats.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace hexaline::art {
class PictureButton;
}

namespace hexaline::table {

class BoardFrame;
class BoardView;
class HandImage;
class PictureWidget;

class TablePanel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 764;
    static constexpr int kHeight = 526;
    static constexpr int kPhrases = 10;

    explicit TablePanel(QWidget* parent = nullptr);

    // Numbered controls, by seat 1..4, hand slot 1..6 or phrase 1..10.
    QLabel* playername(int seat) const;
    QLabel* score(int seat) const;
    QLabel* bonus(int seat) const;
    QWidget* notplaying(int seat) const;
    QWidget* eyes(int seat) const;
    HandImage* tileImage(int slot) const;
    QPushButton* phrase(int number) const;

    // Seat view, driven by the client session.
    void setPlayerName(int seat, const QString& text);
    void showEyes(int seat, bool shown);
    // Puts the seat's score label 6 pixels right of its name label.
    void placeScoreBesideName(int seat);

    // Stand-in for the chat log: shows the text after the line's "n+" prefix as a plain line.
    void addlinetochat(const QString& line, std::uint32_t colour);

    QLabel* label_roundnum;
    QLabel* label_playtoscore;
    BoardFrame* panel_boardframe;
    BoardView* board;
    art::PictureButton* button_start;
    QWidget* panel_winner;
    QLabel* label_winner2;
    QLabel* label_winner1;
    art::PictureButton* button_clear;
    art::PictureButton* button_finish;
    QLabel* label_status;
    QLabel* label_tilesleft;
    PictureWidget* image_logo;
    PictureWidget* image_Turn;
    QLabel* label_timeperturn;
    PictureWidget* image_clockframe;
    PictureWidget* image_timer;
    QLabel* label_timer;
    art::PictureButton* button_pass;
    QWidget* panel_chat;
    QTextBrowser* mainchat;
    QLineEdit* mychat;
    QPushButton* button_smilies;

  signals:
    // A name label's context menu was asked for (popup_kick), at a global position.
    void playernameContextMenu(int seat, QPoint globalPos);
    void phraseClicked(int number);
    void smiliesClicked();

  private:
    void buildTopAndBoard();
    void buildHandRow();
    void buildSeatRows();
    void buildClock();
    void buildPhraseRow();
    void buildChat();

    std::array<QLabel*, protocol::kPlayerSeats> playernames_{};
    std::array<QLabel*, protocol::kPlayerSeats> scores_{};
    std::array<QLabel*, protocol::kPlayerSeats> bonuses_{};
    std::array<QWidget*, protocol::kPlayerSeats> notplayings_{};
    std::array<QWidget*, protocol::kPlayerSeats> eyes_{};
    std::array<HandImage*, 6> tiles_{};
    std::array<QPushButton*, kPhrases> phrases_{};
};

}  // namespace hexaline::table
