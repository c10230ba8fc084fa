// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/preference_store.h"

#include <algorithm>

namespace hexaline::settings {

int validPlayToScore(int points) {
    points = std::clamp(points, kPlayToMin, kPlayToMax);
    return (points + kPlayToStep / 2) / kPlayToStep * kPlayToStep;
}

int validTimePerTurn(int seconds) {
    return std::clamp(seconds, kTurnTimeMin, kTurnTimeMax);
}

PreferenceStore::PreferenceStore(QObject* parent) : QObject(parent), atStart_(values_) {}

template <typename T>
void PreferenceStore::set(T& value, T wanted, Key key) {
    if (value == wanted)
        return;
    value = std::move(wanted);
    emit changed(key);
}

void PreferenceStore::setTextSize(int size) {
    set(values_.textSize, size, Key::TextSize);
}

void PreferenceStore::setTextColor(const QString& colourText) {
    set(values_.textColor, colourText, Key::TextColor);
}

void PreferenceStore::setPlayToScore(int points) {
    set(values_.playToScore, validPlayToScore(points), Key::PlayToScore);
}

void PreferenceStore::setTimePerTurn(int seconds) {
    set(values_.timePerTurn, validTimePerTurn(seconds), Key::TimePerTurn);
}

void PreferenceStore::setBotSpeedMs(int ms) {
    set(values_.botSpeedMs, ms, Key::BotSpeed);
}

void PreferenceStore::setTurnSound(int tag) {
    set(values_.turnSound, tag, Key::TurnSound);
}

void PreferenceStore::setPlaySounds(bool on) {
    set(values_.playSounds, on, Key::PlaySounds);
}

void PreferenceStore::setPlayerPhraseSounds(bool on) {
    set(values_.playerPhraseSounds, on, Key::PlayerPhraseSounds);
}

void PreferenceStore::load(const LoadResult& loaded) {
    applyLoadResult(loaded, values_);
    // The spins show only their own steps: what they show is what is kept and saved.
    values_.playToScore = validPlayToScore(values_.playToScore);
    values_.timePerTurn = validTimePerTurn(values_.timePerTurn);
    loaded_ = true;
    emit this->loaded();
}

Preferences PreferenceStore::toSave(const Preferences& stored) const {
    Preferences prefs = stored;
    const Preferences& now = values_;
    const auto pick = [this](auto& value, const auto& current, const auto& start) {
        if (loaded_ || current != start)
            value = current;
    };
    pick(prefs.textSize, now.textSize, atStart_.textSize);
    pick(prefs.textColor, now.textColor, atStart_.textColor);
    pick(prefs.playToScore, now.playToScore, atStart_.playToScore);
    pick(prefs.timePerTurn, now.timePerTurn, atStart_.timePerTurn);
    pick(prefs.botSpeedMs, now.botSpeedMs, atStart_.botSpeedMs);
    pick(prefs.turnSound, now.turnSound, atStart_.turnSound);
    pick(prefs.playSounds, now.playSounds, atStart_.playSounds);
    pick(prefs.playerPhraseSounds, now.playerPhraseSounds, atStart_.playerPhraseSounds);
    return prefs;
}

}  // namespace hexaline::settings
