// SoundPlayer: plays the game's short sounds, behind an interface so tests can listen.
#include "soundplayer.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <algorithm>
#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

namespace {
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

// Beside the program in a build; where an install puts it, from the program's folder, then
// as configured (which a copy of the program elsewhere finds).
QStringList soundModulePaths()
{
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return {folder + QStringLiteral(TW_SOUND_MODULE_NAME),
            folder + QStringLiteral(TW_SOUND_MODULE_FROM_PROGRAM),
            QStringLiteral(TW_SOUND_MODULE_INSTALLED)};
}
} // namespace

SoundEffectMaker moduleEffects(const QString& path)
{
    using Make = SoundEffect* (*)(const QString& resource);
    if (!isRegularFile(path))
        return {};         // a FIFO in its place would block the loading for good
    QLibrary module(path); // stays loaded: its effects live as long as the program
    const auto make = reinterpret_cast<Make>(module.resolve("tilewrightSoundEffect"));
    if (make == nullptr)
        return {};
    return [make](const QString& resource) {
        return std::unique_ptr<SoundEffect>(make(resource));
    };
}

SoundEffectMaker defaultOutputEffects()
{
    return [](const QString& resource) -> std::unique_ptr<SoundEffect> {
        // Without a server or the module there is nothing to play on; stay silent rather than
        // complain.
        static const SoundEffectMaker make = [] {
            if (!soundServerListens())
                return SoundEffectMaker();
            for (const QString& path : soundModulePaths())
                if (SoundEffectMaker found = moduleEffects(path))
                    return found;
            return SoundEffectMaker();
        }();
        return make ? make(resource) : nullptr;
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
