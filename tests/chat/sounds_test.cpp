// SPDX-License-Identifier: GPL-3.0-or-later
// Game-event sounds, chatter sounds and their notice, and the sound service without a device.
#include <QFile>
#include <QMenu>
#include <QtEndian>

#include "chat/colour_text.h"
#include "chat_fixture.h"

namespace hexaline::chat {
namespace {

const std::string kEnd(1, protocol::kTerminator);

TEST_F(ChatTest, PlaySoundsGovernsGameEventsOnlyAndPhraseSoundsChooseSoundOrNotice) {
    chat.playsounds(QStringLiteral("finish"));
    prefs.setPlaySounds(false);
    chat.playsounds(QStringLiteral("tick"));
    feed(protocol::Msg::SoundRelay, {2, "wave1+"});  // Player Phrase Sounds on: plays anyway
    EXPECT_EQ(played, (QStringList{QStringLiteral("finish"), QStringLiteral("wave1")}));
    EXPECT_EQ(chat.area().mainchat->lineCount(), 0);

    prefs.setPlayerPhraseSounds(false);
    feed(protocol::Msg::SoundRelay, {2, "wave1+"});
    EXPECT_EQ(played.size(), 2);
    ASSERT_EQ(chat.area().mainchat->lineCount(), 1);
    EXPECT_EQ(lineText(0), QStringLiteral("Bob:  <Chatter Sound> Doh "));
    EXPECT_EQ(chat.area().mainchat->style(0).colour, kBlue);
    // A spectator's seat or an unknown sound shows nothing.
    feed(protocol::Msg::SoundRelay, {6, "wave2+"});
    feed(protocol::Msg::SoundRelay, {1, "wave21+"});
    feed(protocol::Msg::SoundRelay, {1, "+"});
    EXPECT_EQ(chat.area().mainchat->lineCount(), 1);
}

TEST_F(ChatTest, ChatterSoundMenuSendsOnlyWithASeat) {
    PhraseButtons& row = chat.phrases();
    const QList<QAction*> entries = row.popup_sounds->actions();
    ASSERT_EQ(entries.size(), 21);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("<Cancel>"));
    EXPECT_EQ(entries[5]->text(), QStringLiteral("Where have you been?"));
    EXPECT_EQ(entries[20]->toolTip(), QStringLiteral("Crying"));
    setSeat(2);
    entries[1]->trigger();
    entries[0]->trigger();
    setConnected(false);
    entries[3]->trigger();
    EXPECT_EQ(sent, (std::vector<std::string>{"CMD_playasound+2+wave1+" + kEnd}));
}

TEST(SoundService, WithoutAnAudioDeviceItStaysSilentAndSaysNothing) {
    static int messages = 0;
    messages = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++messages; });
    SoundService sounds;
    sounds.hasAudioOutput = [] { return false; };
    for (const QString& name : SoundService::allSoundNames())
        EXPECT_TRUE(sounds.play(name.toUpper()));
    EXPECT_TRUE(sounds.silent());
    EXPECT_FALSE(sounds.play(QStringLiteral("nosuchsound")));
    sounds.setEnabled(false);
    EXPECT_FALSE(sounds.play(QStringLiteral("tick")));
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages, 0);
}

// Length in seconds of each sound as the game knows it.
TEST(SoundService, EverySoundIsA16BitPcmWaveOfAboutItsLength) {
    const std::map<QString, double> lengths{
        {"entered", 0.8}, {"timeup", 0.8},   {"pass", 0.1},   {"roundover", 2.3}, {"finish", 0.7},
        {"invalid", 0.8}, {"gameover", 1.1}, {"turn", 0.6},   {"turnnew", 0.4},   {"place", 0.1},
        {"pickup", 0.2},  {"clear", 0.3},    {"tick", 0.1},   {"wave1", 0.3},     {"wave2", 0.6},
        {"wave3", 0.7},   {"wave4", 0.5},    {"wave5", 1.0},  {"wave6", 4.3},     {"wave7", 1.2},
        {"wave8", 0.6},   {"wave9", 0.8},    {"wave10", 1.8}, {"wave11", 2.1},    {"wave12", 1.7},
        {"wave13", 2.3},  {"wave14", 0.2},   {"wave15", 2.2}, {"wave16", 2.7},    {"wave17", 4.1},
        {"wave18", 1.0},  {"wave19", 2.0},   {"wave20", 5.0}};
    ASSERT_EQ(lengths.size(), static_cast<std::size_t>(SoundService::allSoundNames().size()));
    for (const QString& name : SoundService::allSoundNames()) {
        QFile file(SoundService::resourceOf(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray wave = file.readAll();
        ASSERT_GE(wave.size(), 44);
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wave.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wave.constData() + at); };
        EXPECT_EQ(wave.left(4), "RIFF");
        EXPECT_EQ(wave.mid(8, 4), "WAVE");
        EXPECT_EQ(u16(20), 1) << "PCM";
        EXPECT_EQ(u16(22), 1) << "mono";
        EXPECT_EQ(u16(34), 16) << "16-bit";
        const double seconds = static_cast<double>(u32(40)) / u32(28);
        EXPECT_NEAR(seconds, lengths.at(name), 0.05) << name.toStdString();
    }
}

}  // namespace
}  // namespace hexaline::chat
