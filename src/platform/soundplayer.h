// SoundPlayer: plays the game's short sounds, behind an interface so tests can listen.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace Sound {
inline const QString Slider = QStringLiteral("IDR_SLIDER");     // a legal slide
inline const QString Shuffle = QStringLiteral("IDR_SHUFFLE");   // a swap of two tiles
inline const QString Complete = QStringLiteral("IDR_COMPLETE"); // a puzzle finished
} // namespace Sound

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the named sound without waiting for it; a sound still playing is cut off.
    virtual void play(const QString& name) = 0;
};

// One loaded sound of an audio output, started and stopped without waiting.
class SoundEffect {
public:
    virtual ~SoundEffect() = default;
    virtual void play() = 0;
    virtual void stop() = 0;
};

// Loads the sound of a resource path for an output; nothing where there is no output.
using SoundEffectMaker = std::function<std::unique_ptr<SoundEffect>(const QString& resource)>;
// The effects of the sound module at that path (Qt Multimedia's, on the default audio output);
// empty when it cannot be loaded or is no regular file.
SoundEffectMaker moduleEffects(const QString& path);
// The sound module's effects, the module found beside the program or where it is installed
// and loaded by the first sound; nothing without a sound server or the module.
SoundEffectMaker defaultOutputEffects();

// Plays the WAV resources ":/WAVE/<name>" on the output the maker stands for. Without an
// audio device it stays silent: playing never fails, waits or reports. The sounds are loaded
// when the first is played, so a game that starts, or plays without sound, never starts the
// audio system.
class EffectSoundPlayer : public SoundPlayer {
public:
    explicit EffectSoundPlayer(SoundEffectMaker make = defaultOutputEffects());
    ~EffectSoundPlayer() override;
    void play(const QString& name) override;

private:
    SoundEffectMaker make_; // empty once the sounds are loaded
    std::map<QString, std::unique_ptr<SoundEffect>> effects_;
    SoundEffect* playing_ = nullptr;
};
