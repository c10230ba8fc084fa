// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every preference kept in the settings file, with the values the window shows before the
// file has been loaded.

#include <QString>
#include <array>

namespace hexaline::settings {

// The settings file's section for this program; the lobby program keeps its own sections.
inline constexpr char16_t kSection[] = u"agame";

inline constexpr int kBotSpeedSlow = 2000;
inline constexpr int kBotSpeedNormal = 1000;
inline constexpr int kBotSpeedFast = 500;

inline constexpr int kTurnSoundClassic = 0;
inline constexpr int kTurnSoundNew = 1;

inline constexpr int kPhraseCount = 9;

// The start dialog's spin ranges: the play-to score steps by 100, the time per turn by 5.
inline constexpr int kPlayToMin = 0;
inline constexpr int kPlayToMax = 1000;
inline constexpr int kPlayToStep = 100;
inline constexpr int kTurnTimeMin = 30;
inline constexpr int kTurnTimeMax = 120;

// A play-to score the spin can show: within the range, on the nearer step (a fresh profile
// stores 30).
int validPlayToScore(int points);
// A time per turn within the range.
int validTimePerTurn(int seconds);

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowBounds&) const = default;
};

struct Preferences {
    int textSize = 10;  // size of the chat styles
    // The main window's bounds; the window puts its real bounds here before saving.
    WindowBounds window{2, 2, 767, 529};
    QString textColor = QStringLiteral("clBlack");  // colour text of the chosen colour
    int playToScore = 500;                          // position of the play-to spin control
    int timePerTurn = 60;                           // position of the time-per-turn spin control
    int botSpeedMs = kBotSpeedNormal;
    int turnSound = kTurnSoundClassic;
    std::array<QString, kPhraseCount> phrases = {QStringLiteral("Way To Go!"),
                                                 QStringLiteral("Good One!"),
                                                 QStringLiteral("Nice Try!"),
                                                 QStringLiteral("Excellent!"),
                                                 QStringLiteral("Brilliant!"),
                                                 QStringLiteral("Wow, WTG!"),
                                                 QStringLiteral("Thanks!"),
                                                 QStringLiteral("Way To Go Teamie!"),
                                                 QStringLiteral("Good Game Everyone!")};
    bool playSounds = true;
    bool playerPhraseSounds = true;
    bool operator==(const Preferences&) const = default;
};

}  // namespace hexaline::settings
