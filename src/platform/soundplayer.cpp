// SoundPlayer: plays the game's short sounds, behind an interface so tests can listen.
#include "soundplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

EffectSoundPlayer::EffectSoundPlayer()
{
    // Without an output there is nothing to play on; stay silent rather than complain.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    for (const QString& name : {Sound::Slider, Sound::Shuffle, Sound::Complete}) {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc:/WAVE/") + name));
        effects_.emplace(name, std::move(effect));
    }
}

EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::play(const QString& name)
{
    const auto found = effects_.find(name);
    if (found == effects_.end())
        return;
    if (playing_ != nullptr)
        playing_->stop();
    playing_ = found->second.get();
    playing_->play();
}
