// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences object: what it tells of a change, what a load puts in, and what a save
// writes before the settings file has been read.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "text/settings/preference_store.h"

namespace hexaline::settings {
namespace {

using Key = PreferenceStore::Key;

TEST(PreferenceStore, TellsEachRealChangeOnceAndKeepsSpinValuesInRange) {
    PreferenceStore prefs;
    QSignalSpy changed(&prefs, &PreferenceStore::changed);
    prefs.setPlaySounds(true);  // already so: nothing to tell
    prefs.setTextSize(10);
    EXPECT_EQ(changed.size(), 0);
    prefs.setPlaySounds(false);
    prefs.setTurnSound(kTurnSoundNew);
    prefs.setTextColor(QStringLiteral("clRed"));
    ASSERT_EQ(changed.size(), 3);
    EXPECT_EQ(changed[0][0].value<Key>(), Key::PlaySounds);
    EXPECT_EQ(changed[2][0].value<Key>(), Key::TextColor);

    prefs.setPlayToScore(5000);
    EXPECT_EQ(prefs.playToScore(), kPlayToMax);
    prefs.setPlayToScore(249);
    EXPECT_EQ(prefs.playToScore(), 200);
    prefs.setTimePerTurn(1);
    EXPECT_EQ(prefs.timePerTurn(), kTurnTimeMin);
}

TEST(PreferenceStore, LoadTellsOnceAndKeepsSpinValuesTheFileLacks) {
    PreferenceStore prefs;
    prefs.setTimePerTurn(90);
    QSignalSpy changed(&prefs, &PreferenceStore::changed);
    QSignalSpy loaded(&prefs, &PreferenceStore::loaded);
    LoadResult file;
    file.textSize = 14;
    file.textColor = QStringLiteral("clNavy");
    file.playToScore = 30;  // a fresh profile's value: the nearer step
    file.botSpeedMs = kBotSpeedSlow;
    file.playerPhraseSounds = false;
    prefs.load(file);
    EXPECT_EQ(loaded.size(), 1);
    EXPECT_EQ(changed.size(), 0);
    EXPECT_TRUE(prefs.isLoaded());
    EXPECT_EQ(prefs.textSize(), 14);
    EXPECT_EQ(prefs.textColor(), QStringLiteral("clNavy"));
    EXPECT_EQ(prefs.playToScore(), 0);
    EXPECT_EQ(prefs.timePerTurn(), 90);
    EXPECT_EQ(prefs.botSpeedMs(), kBotSpeedSlow);
    EXPECT_FALSE(prefs.playerPhraseSounds());
}

TEST(PreferenceStore, BeforeTheLoadASaveWritesOnlyWhatTheUserChanged) {
    PreferenceStore prefs;
    Preferences stored;
    stored.textSize = 14;
    stored.textColor = QStringLiteral("clRed");
    stored.playToScore = 300;
    stored.botSpeedMs = kBotSpeedSlow;
    stored.playSounds = false;
    stored.window = {50, 40, 800, 560};
    prefs.setBotSpeedMs(kBotSpeedFast);
    prefs.setTurnSound(kTurnSoundNew);
    // Changed and changed back: the same as never changed.
    prefs.setTextSize(12);
    prefs.setTextSize(10);
    const Preferences saved = prefs.toSave(stored);
    EXPECT_EQ(saved.botSpeedMs, kBotSpeedFast);
    EXPECT_EQ(saved.turnSound, kTurnSoundNew);
    EXPECT_EQ(saved.textSize, 14);
    EXPECT_EQ(saved.textColor, QStringLiteral("clRed"));
    EXPECT_EQ(saved.playToScore, 300);
    EXPECT_FALSE(saved.playSounds);
    EXPECT_EQ(saved.window, stored.window);

    // Once loaded, every value is this object's.
    prefs.load(LoadResult{});
    const Preferences after = prefs.toSave(stored);
    EXPECT_EQ(after.textSize, 8);
    EXPECT_TRUE(after.playSounds);
    EXPECT_EQ(after.playToScore, 500);  // the load found none: this object keeps its own
}

}  // namespace
}  // namespace hexaline::settings
