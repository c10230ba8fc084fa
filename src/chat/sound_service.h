// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Playing the program's named sounds. One service owns the output: starting a sound stops the
// one playing, playing never blocks, and with no audio device (or the off switch) nothing is
// played and nothing is reported per sound. The backend is an interface, so tests see what
// would have played.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class QSoundEffect;

namespace hexaline::chat {

class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    // Starts the sound `name` (lower case, known), stopping any sound still playing.
    virtual void play(const QString& name) = 0;
    virtual void stop() = 0;
};

// Plays nothing.
class NullSoundBackend : public SoundBackend {
  public:
    void play(const QString&) override {}
    void stop() override {}
};

// QSoundEffect per sound, made on its first use from the sounds built into the program.
class EffectSoundBackend : public QObject, public SoundBackend {
  public:
    explicit EffectSoundBackend(QObject* parent = nullptr);
    ~EffectSoundBackend() override;
    void play(const QString& name) override;
    void stop() override;

  private:
    QSoundEffect* effect(const QString& name);
    std::map<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

class SoundService {
  public:
    // The names of the 13 game-event sounds and the 20 chatter sounds "wave1".."wave20".
    static const QStringList& gameSoundNames();
    static QStringList allSoundNames();
    // The resource of a sound: ":/sounds/<name>.wav".
    static QString resourceOf(const QString& name);

    // With no backend given, the service picks the real one when the machine has an audio
    // output and the null one otherwise. The check runs on the first sound, not at start-up.
    explicit SoundService(std::unique_ptr<SoundBackend> backend = nullptr);
    ~SoundService();

    // Plays a known sound (letter case ignored). Unknown names and plays while switched off
    // do nothing. Returns whether the sound went to the backend.
    bool play(const QString& name);
    void stop();

    void setEnabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    // Whether an audio output exists; replaceable for tests.
    std::function<bool()> hasAudioOutput;
    // The backend, once chosen.
    bool silent();

  private:
    SoundBackend& backend();
    std::unique_ptr<SoundBackend> backend_;
    bool enabled_ = true;
};

}  // namespace hexaline::chat
