// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's preferences while the program runs: one object owns them. The menus, the start
// dialog and the chat show its values and write the user's changes into it; the settings file
// is loaded into it and saved from it.

#include <QObject>
#include <QString>

#include "text/settings/load_ini.h"
#include "text/settings/preferences.h"

namespace hexaline::settings {

class PreferenceStore : public QObject {
    Q_OBJECT
  public:
    enum class Key {
        TextSize,
        TextColor,
        PlayToScore,
        TimePerTurn,
        BotSpeed,
        TurnSound,
        PlaySounds,
        PlayerPhraseSounds,
    };
    Q_ENUM(Key)

    explicit PreferenceStore(QObject* parent = nullptr);

    int textSize() const { return values_.textSize; }
    // Colour text of the chosen text colour, as the chat gives it.
    const QString& textColor() const { return values_.textColor; }
    int playToScore() const { return values_.playToScore; }
    int timePerTurn() const { return values_.timePerTurn; }
    int botSpeedMs() const { return values_.botSpeedMs; }
    int turnSound() const { return values_.turnSound; }
    bool playSounds() const { return values_.playSounds; }
    bool playerPhraseSounds() const { return values_.playerPhraseSounds; }

    // The user's changes: each emits `changed` when the value differs. The spin values are put
    // into their ranges first.
    void setTextSize(int size);
    void setTextColor(const QString& colourText);
    void setPlayToScore(int points);
    void setTimePerTurn(int seconds);
    void setBotSpeedMs(int ms);
    void setTurnSound(int tag);
    void setPlaySounds(bool on);
    void setPlayerPhraseSounds(bool on);

    // Every value from the settings file; the spin values only where the file holds them.
    // Emits `loaded`, not `changed`.
    void load(const LoadResult& loaded);
    bool isLoaded() const { return loaded_; }

    // The values to save (window bounds and phrases left as they are in `prefs`). Until the
    // file has been loaded, a value the user did not change here is the one `stored` holds:
    // a save never puts the start-up defaults over the user's file.
    Preferences toSave(const Preferences& stored) const;

  signals:
    // The user changed one value.
    void changed(settings::PreferenceStore::Key key);
    // The settings file was read: every value may be new.
    void loaded();

  private:
    template <typename T>
    void set(T& value, T wanted, Key key);

    Preferences values_;
    const Preferences atStart_;  // the values before the file was read
    bool loaded_ = false;
};

}  // namespace hexaline::settings
