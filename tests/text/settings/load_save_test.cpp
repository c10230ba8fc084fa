// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the section "agame" against hand-written files.
#include <gtest/gtest.h>
#include <QDir>

#include "settings_test_files.h"
#include "text/settings/load_ini.h"
#include "text/settings/profile_file.h"
#include "text/settings/save_ini.h"
#include "text/settings/save_phrases.h"

using namespace hexaline::settings;
using hexaline::settings::testing::SettingsFileTest;
using hexaline::settings::testing::WritesFail;

namespace {

class LoadSaveTest : public SettingsFileTest {
  protected:
    LoadResult loadWith(const QByteArray& section) {
        put("[agame]\n" + section);
        return loadinifile(path());
    }
};

TEST_F(LoadSaveTest, EmptySectionGivesEveryDefaultAndLeavesOnlyHelp) {
    put("[agame]\n");
    const LoadResult r = loadinifile(path());
    EXPECT_EQ(r.textSize, 8);
    EXPECT_TRUE(r.textSizeHasMenuEntry);
    EXPECT_EQ(r.bounds, (WindowBounds{3, 3, 772, 535}));
    EXPECT_EQ(r.textColor, "clblack");
    EXPECT_EQ(r.playToScore, 30);
    EXPECT_EQ(r.timePerTurn, 1);
    EXPECT_EQ(r.botSpeedMs, kBotSpeedNormal);
    EXPECT_EQ(r.turnSound, kTurnSoundClassic);
    for (const auto& phrase : r.phrases) {
        EXPECT_EQ(phrase, std::nullopt);
    }
    EXPECT_TRUE(r.playSounds);
    EXPECT_TRUE(r.playerPhraseSounds);
    EXPECT_TRUE(r.showHelp);
    EXPECT_TRUE(r.helpWrite.ok);
    EXPECT_EQ(contents(), "[agame]\nHelp=2\n");

    // From now on the instructions stay shut, and a second load leaves the file alone.
    EXPECT_FALSE(loadinifile(path()).showHelp);
    EXPECT_EQ(contents(), "[agame]\nHelp=2\n");
}

TEST_F(LoadSaveTest, MissingFileGivesDefaultsAndTheFirstSaveCreatesIt) {
    const LoadResult r = loadinifile(path(QStringLiteral("fresh.ini")));
    EXPECT_EQ(r.textSize, 8);
    EXPECT_TRUE(r.showHelp);
    EXPECT_EQ(contents(QStringLiteral("fresh.ini")), "[agame]\nHelp=2\n");

    EXPECT_TRUE(saveinifile(path(QStringLiteral("new.ini")), Preferences{}).ok);
    EXPECT_EQ(contents(QStringLiteral("new.ini")),
              "[agame]\nTextsize=10\nTop=2\nLeft=2\nWidth=767\nHeight=529\nTextcolor=clBlack\n"
              "Playtoscore=500\nTimeperturn=60\nBotspeed=1000\nTurnsound=0\n"
              "Playerphrasesounds=true\nPlaysounds=true\n");
}

TEST_F(LoadSaveTest, IntegersAcceptHexAndBadOnesCountAsMissing) {
    LoadResult r = loadWith("Textsize=abc\nTop=0x10\nLeft=$A\nWidth=12px\nHeight=-4\n");
    EXPECT_EQ(r.textSize, 8);
    EXPECT_EQ(r.bounds, (WindowBounds{10, 16, 772, 150}));  // no window is -4 high

    r = loadWith("Textsize=9\n");
    EXPECT_EQ(r.textSize, 9);
    EXPECT_FALSE(r.textSizeHasMenuEntry);
    EXPECT_TRUE(loadWith("textsize=$E\n").textSizeHasMenuEntry);
    // A size below 1 is no text size.
    EXPECT_EQ(loadWith("Textsize=0\n").textSize, 8);
}

TEST_F(LoadSaveTest, SpinPositionsAreSetOnlyFromIntegers) {
    LoadResult r = loadWith("Playtoscore=\nTimeperturn=fast\n");
    EXPECT_EQ(r.playToScore, std::nullopt);
    EXPECT_EQ(r.timePerTurn, std::nullopt);
    r = loadWith("Playtoscore=250\nTimeperturn=$5A\n");
    EXPECT_EQ(r.playToScore, 250);
    EXPECT_EQ(r.timePerTurn, 90);

    Preferences prefs;
    applyLoadResult(loadWith("Playtoscore=x\nTimeperturn=45\n"), prefs);
    EXPECT_EQ(prefs.playToScore, 500);
    EXPECT_EQ(prefs.timePerTurn, 45);
}

TEST_F(LoadSaveTest, OptionsCompareExactlyLetterCaseIncluded) {
    EXPECT_EQ(loadWith("Botspeed=2000\n").botSpeedMs, kBotSpeedSlow);
    EXPECT_EQ(loadWith("Botspeed=500\n").botSpeedMs, kBotSpeedFast);
    EXPECT_EQ(loadWith("Botspeed=fast\n").botSpeedMs, kBotSpeedNormal);
    EXPECT_EQ(loadWith("Turnsound=1\n").turnSound, kTurnSoundNew);
    EXPECT_EQ(loadWith("Turnsound=2\n").turnSound, kTurnSoundClassic);

    LoadResult r = loadWith("Playsounds=False\nPlayerphrasesounds=false\nHelp=2\n");
    EXPECT_TRUE(r.playSounds);
    EXPECT_FALSE(r.playerPhraseSounds);
    EXPECT_FALSE(r.showHelp);
    r = loadWith("Playsounds=false\nPlayerphrasesounds=\nHelp=01\n");
    EXPECT_FALSE(r.playSounds);
    EXPECT_TRUE(r.playerPhraseSounds);
    EXPECT_FALSE(r.showHelp);
    EXPECT_EQ(loadWith("Textcolor=$00FF0000\n").textColor, "$00FF0000");
    EXPECT_EQ(loadWith("Textcolor=\n").textColor, "");
}

TEST_F(LoadSaveTest, EmptyPhrasesKeepTheBuiltInOnes) {
    Preferences prefs;
    const LoadResult r = loadWith("Phrase1=\nPhrase3=Hello all\nphrase9=GG\n");
    EXPECT_EQ(r.phrases[0], std::nullopt);
    EXPECT_EQ(r.phrases[2], "Hello all");
    applyLoadResult(r, prefs);
    EXPECT_EQ(prefs.phrases[0], "Way To Go!");
    EXPECT_EQ(prefs.phrases[2], "Hello all");
    EXPECT_EQ(prefs.phrases[8], "GG");
}

TEST_F(LoadSaveTest, SaveKeepsOtherSectionsCommentsAndBlankLines) {
    put("; shared with the lobby\n"
        "[Lobby]\n"
        "Playsounds=false\n"
        "\n"
        "[AGAME]\n"
        "textSIZE=12\n"
        "Phrase1=Hi there\n"
        "Help=2\n"
        "\n"
        "[Rooms]\n"
        "last=7\n");
    Preferences prefs;
    prefs.textSize = 14;
    prefs.playSounds = false;
    ASSERT_TRUE(saveinifile(path(), prefs).ok);
    EXPECT_EQ(contents(),
              "; shared with the lobby\n"
              "[Lobby]\n"
              "Playsounds=false\n"
              "\n"
              "[AGAME]\n"
              "textSIZE=14\n"
              "Phrase1=Hi there\n"
              "Help=2\n"
              "Top=2\nLeft=2\nWidth=767\nHeight=529\nTextcolor=clBlack\n"
              "Playtoscore=500\nTimeperturn=60\nBotspeed=1000\nTurnsound=0\n"
              "Playerphrasesounds=true\nPlaysounds=false\n"
              "\n"
              "[Rooms]\n"
              "last=7\n");
}

TEST_F(LoadSaveTest, WhatIsSavedLoadsBack) {
    Preferences saved;
    saved.textSize = 12;
    saved.window = {40, 30, 900, 640};
    saved.textColor = QStringLiteral("clRed");
    saved.playToScore = 150;
    saved.timePerTurn = 90;
    saved.botSpeedMs = kBotSpeedFast;
    saved.turnSound = kTurnSoundNew;
    saved.playSounds = false;
    saved.playerPhraseSounds = false;
    ASSERT_TRUE(saveinifile(path(), saved).ok);
    ASSERT_TRUE(savephrases(path(), {"a", "", "c", "", "", "", "", "", "i"}).ok);

    Preferences loaded;
    applyLoadResult(loadinifile(path()), loaded);
    saved.phrases[0] = "a";
    saved.phrases[2] = "c";
    saved.phrases[8] = "i";
    EXPECT_EQ(loaded, saved);
}

TEST_F(LoadSaveTest, SavingPhrasesTouchesOnlyThePhraseKeys) {
    put("[agame]\r\nHelp=2\r\nPhrase2=old\r\n[x]\r\ny=1\r\n");
    ASSERT_TRUE(savephrase(path(), 2, QStringLiteral("new one")).ok);
    ASSERT_TRUE(savephrase(path(), 4, QString()).ok);
    EXPECT_EQ(contents(), "[agame]\r\nHelp=2\r\nPhrase2=new one\r\nPhrase4=\r\n[x]\r\ny=1\r\n");
    EXPECT_FALSE(savephrase(path(), 10, QStringLiteral("no")).ok);
    EXPECT_FALSE(savephrase(path(), 0, QStringLiteral("no")).ok);
}

TEST_F(LoadSaveTest, FailedWritesReportTheFullNameAndLeaveTheOldFile) {
    const QString blocked = unwritablePath();
    WriteResult w = saveinifile(blocked, Preferences{});
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.message(), "Unable to write to " + blocked);
    EXPECT_TRUE(savephrases(path(), {}).ok);
    EXPECT_FALSE(savephrases(blocked, {}).ok);

    // The load still gives every default; only the write of "Help" fails.
    const LoadResult r = loadinifile(blocked);
    EXPECT_TRUE(r.showHelp);
    EXPECT_EQ(r.textSize, 8);
    EXPECT_FALSE(r.helpWrite.ok);
    EXPECT_EQ(r.helpWrite.message(), "Unable to write to " + blocked);

    // An existing file that cannot be replaced stays exactly as it was.
    const QByteArray before = "[agame]\nTextsize=12\n[lobby]\nk=v\n";
    put(before);
    {
        WritesFail fail;
        w = saveinifile(path(), Preferences{});
    }
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.message(), "Unable to write to " + path());
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), (QStringList{"blocker", "orviklobby.ini"}));
}

TEST_F(LoadSaveTest, ReadOnlyFolderReportsFailureWhereFolderPermissionsApply) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "folder permissions do not stop root; the size limit test covers it";
    }
    const QByteArray before = "[agame]\nTextsize=12\n";
    put(before);
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const WriteResult w = saveinifile(path(), Preferences{});
    QFile::setPermissions(dir_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(contents(), before);
}

}  // namespace
