// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/sound_service.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace hexaline::chat {

EffectSoundBackend::EffectSoundBackend(QObject* parent) : QObject(parent) {}

EffectSoundBackend::~EffectSoundBackend() {
    stop();
}

QSoundEffect* EffectSoundBackend::effect(const QString& name) {
    auto found = effects_.find(name);
    if (found != effects_.end())
        return found->second;
    auto* sound = new QSoundEffect(this);
    sound->setSource(QUrl(QStringLiteral("qrc") + SoundService::resourceOf(name)));
    // A sound still loading plays as soon as it is ready, unless another one came first.
    connect(sound, &QSoundEffect::statusChanged, this, [this, sound] {
        if (sound == current_ && sound->status() == QSoundEffect::Ready)
            sound->play();
    });
    effects_.emplace(name, sound);
    return sound;
}

void EffectSoundBackend::play(const QString& name) {
    stop();
    current_ = effect(name);
    if (current_->status() == QSoundEffect::Ready)
        current_->play();
}

void EffectSoundBackend::stop() {
    if (current_)
        current_->stop();
    current_ = nullptr;
}

const QStringList& SoundService::gameSoundNames() {
    static const QStringList names{
        QStringLiteral("entered"),   QStringLiteral("timeup"), QStringLiteral("pass"),
        QStringLiteral("roundover"), QStringLiteral("finish"), QStringLiteral("invalid"),
        QStringLiteral("gameover"),  QStringLiteral("turn"),   QStringLiteral("turnnew"),
        QStringLiteral("place"),     QStringLiteral("pickup"), QStringLiteral("clear"),
        QStringLiteral("tick")};
    return names;
}

QStringList SoundService::allSoundNames() {
    QStringList names = gameSoundNames();
    for (int n = 1; n <= 20; ++n)
        names << QStringLiteral("wave%1").arg(n);
    return names;
}

QString SoundService::resourceOf(const QString& name) {
    return QStringLiteral(":/sounds/%1.wav").arg(name);
}

SoundService::SoundService(std::unique_ptr<SoundBackend> backend)
    : hasAudioOutput([] { return !QMediaDevices::audioOutputs().isEmpty(); }),
      backend_(std::move(backend)) {}

SoundService::~SoundService() = default;

SoundBackend& SoundService::backend() {
    if (!backend_) {
        if (hasAudioOutput())
            backend_ = std::make_unique<EffectSoundBackend>();
        else
            backend_ = std::make_unique<NullSoundBackend>();
    }
    return *backend_;
}

bool SoundService::silent() {
    return dynamic_cast<NullSoundBackend*>(&backend()) != nullptr;
}

bool SoundService::play(const QString& name) {
    if (!enabled_)
        return false;
    static const QStringList known = allSoundNames();
    const QString lower = name.toLower();
    if (!known.contains(lower))
        return false;
    backend().play(lower);
    return true;
}

void SoundService::stop() {
    if (backend_)
        backend_->stop();
}

}  // namespace hexaline::chat
