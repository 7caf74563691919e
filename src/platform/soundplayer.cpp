// SoundPlayer: plays the game's short sounds, behind an interface so tests can listen.
#include "soundplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
class QtSoundEffect : public SoundEffect {
public:
    explicit QtSoundEffect(const QString& resource) { effect_.setSource(QUrl(resource)); }
    void play() override { effect_.play(); }
    void stop() override { effect_.stop(); }

private:
    QSoundEffect effect_;
};
} // namespace

SoundEffectMaker defaultOutputEffects()
{
    return [](const QString& resource) -> std::unique_ptr<SoundEffect> {
        // Without an output there is nothing to play on; stay silent rather than complain.
        if (QMediaDevices::defaultAudioOutput().isNull())
            return nullptr;
        return std::make_unique<QtSoundEffect>(resource);
    };
}

EffectSoundPlayer::EffectSoundPlayer(const SoundEffectMaker& make)
{
    for (const QString& name : {Sound::Slider, Sound::Shuffle, Sound::Complete})
        if (std::unique_ptr<SoundEffect> effect = make(QStringLiteral("qrc:/WAVE/") + name))
            effects_.emplace(name, std::move(effect));
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
