// SoundPlayer: plays the game's short sounds, behind an interface so tests can listen.
#include "soundplayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

namespace {
class QtSoundEffect : public SoundEffect {
public:
    explicit QtSoundEffect(const QString& resource) { effect_.setSource(QUrl(resource)); }
    void play() override { effect_.play(); }
    void stop() override { effect_.stop(); }

private:
    QSoundEffect effect_;
};

// Qt's audio on Linux goes through a PulseAudio server (PipeWire's included). Without one
// there is nothing to play on, and asking Qt would only print a complaint.
bool soundServerListens()
{
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsSet("PULSE_SERVER"))
        return true;
    // Where a server's socket lies: the folders named by the environment, then the usual ones.
    QStringList sockets;
    for (const auto& [variable, socket] : {std::pair{"PULSE_RUNTIME_PATH", "/native"},
                                           std::pair{"XDG_RUNTIME_DIR", "/pulse/native"}})
        if (const QString folder = qEnvironmentVariable(variable); !folder.isEmpty())
            sockets << folder + QLatin1String(socket);
    sockets << QStringLiteral("/run/user/%1/pulse/native").arg(getuid())
            << QStringLiteral("/run/pulse/native") << QStringLiteral("/var/run/pulse/native");
    return std::any_of(sockets.begin(), sockets.end(),
                       [](const QString& socket) { return QFileInfo::exists(socket); });
#else
    return true;
#endif
}
} // namespace

SoundEffectMaker defaultOutputEffects()
{
    return [](const QString& resource) -> std::unique_ptr<SoundEffect> {
        // Without an output there is nothing to play on; stay silent rather than complain.
        if (!soundServerListens() || QMediaDevices::defaultAudioOutput().isNull())
            return nullptr;
        return std::make_unique<QtSoundEffect>(resource);
    };
}

EffectSoundPlayer::EffectSoundPlayer(SoundEffectMaker make)
    : make_(std::move(make))
{}

EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::play(const QString& name)
{
    if (make_) {
        for (const QString& sound : {Sound::Slider, Sound::Shuffle, Sound::Complete})
            if (std::unique_ptr<SoundEffect> effect = make_(QStringLiteral("qrc:/WAVE/") + sound))
                effects_.emplace(sound, std::move(effect));
        make_ = nullptr;
    }
    const auto found = effects_.find(name);
    if (found == effects_.end())
        return;
    if (playing_ != nullptr)
        playing_->stop();
    playing_ = found->second.get();
    playing_->play();
}
