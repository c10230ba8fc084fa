// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/settings/load_ini.h"

#include "text/settings/profile_file.h"
#include "text/settings/profile_number.h"
#include "text/settings/settings_location.h"
#include "text/settings/window_bounds.h"

namespace hexaline::settings {
namespace {

// A spin position: set only when the text is not empty and an integer.
std::optional<int> spinValue(const QString& text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return parseProfileInteger(text);
}

int botSpeedFrom(const QString& text) {
    if (text == u"2000") {
        return kBotSpeedSlow;
    }
    if (text == u"500") {
        return kBotSpeedFast;
    }
    return kBotSpeedNormal;
}

}  // namespace

LoadResult loadinifile(const QString& path) {
    ProfileFile file = ProfileFile::load(path);
    LoadResult r = readinifile(file);
    file.writeString(kSection, u"Help", u"2");
    r.helpWrite.fileName = file.path();
    r.helpWrite.ok = file.save();
    return r;
}

LoadResult readinifile(const QString& path) {
    return readinifile(ProfileFile::load(path));
}

LoadResult readinifile(const ProfileFile& file) {
    LoadResult r;

    r.textSize = file.readInteger(kSection, u"Textsize", 8);
    // A size below 1 cannot be a text size: it counts as missing.
    if (r.textSize < 1) {
        r.textSize = 8;
    }
    r.bounds.top = file.readInteger(kSection, u"Top", 3);
    r.bounds.left = file.readInteger(kSection, u"Left", 3);
    r.bounds.width = file.readInteger(kSection, u"Width", 772);
    r.bounds.height = file.readInteger(kSection, u"Height", 535);
    r.bounds = saneBounds(r.bounds);  // the window clamps them to its screen as well
    r.textSizeHasMenuEntry =
        r.textSize == 8 || r.textSize == 10 || r.textSize == 12 || r.textSize == 14;

    r.textColor = file.readString(kSection, u"Textcolor", QStringLiteral("clblack"));
    r.playToScore = spinValue(file.readString(kSection, u"Playtoscore", QStringLiteral("30")));
    r.timePerTurn = spinValue(file.readString(kSection, u"Timeperturn", QStringLiteral("1")));

    r.botSpeedMs = botSpeedFrom(file.readString(kSection, u"Botspeed", QString()));
    r.turnSound = file.readString(kSection, u"Turnsound", QStringLiteral("0")) == u"1"
                      ? kTurnSoundNew
                      : kTurnSoundClassic;

    for (int k = 1; k <= kPhraseCount; ++k) {
        const QString phrase = file.readString(kSection, QStringLiteral("Phrase%1").arg(k), {});
        if (!phrase.isEmpty()) {
            r.phrases[k - 1] = phrase;
        }
    }

    r.playSounds = file.readString(kSection, u"Playsounds", QStringLiteral("true")) != u"false";
    r.playerPhraseSounds =
        file.readString(kSection, u"Playerphrasesounds", QStringLiteral("true")) != u"false";

    // The quick instructions open by themselves only the first time.
    r.showHelp = file.readString(kSection, u"Help", QStringLiteral("1")) == u"1";
    return r;
}

LoadResult loadinifile() {
    return loadinifile(settingsFilePath());
}

void applyLoadResult(const LoadResult& loaded, Preferences& prefs) {
    prefs.textSize = loaded.textSize;
    prefs.window = loaded.bounds;
    prefs.textColor = loaded.textColor;
    if (loaded.playToScore) {
        prefs.playToScore = *loaded.playToScore;
    }
    if (loaded.timePerTurn) {
        prefs.timePerTurn = *loaded.timePerTurn;
    }
    prefs.botSpeedMs = loaded.botSpeedMs;
    prefs.turnSound = loaded.turnSound;
    for (int k = 0; k < kPhraseCount; ++k) {
        if (loaded.phrases[k]) {
            prefs.phrases[k] = *loaded.phrases[k];
        }
    }
    prefs.playSounds = loaded.playSounds;
    prefs.playerPhraseSounds = loaded.playerPhraseSounds;
}

}  // namespace hexaline::settings
