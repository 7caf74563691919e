// SoundPlayer: plays the game's short sounds, behind an interface so tests can listen.
#pragma once

#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

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

// Plays the WAV resources ":/WAVE/<name>". Without an audio device it stays silent: playing
// never fails, waits or reports.
class EffectSoundPlayer : public SoundPlayer {
public:
    EffectSoundPlayer();
    ~EffectSoundPlayer() override;
    void play(const QString& name) override;

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};
