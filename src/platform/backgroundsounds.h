// Background sounds: the sound system started and played where the window never waits.
#pragma once

#include "soundplayer.h"

#include <functional>
#include <memory>

class SoundThread;

// Plays through another player that lives on a thread of its own and is made there, when
// the first sound is asked for: the audio system loading, or a sound server that never
// answers, delays no move and no menu. Sounds asked for while one is still starting do not
// pile up: the latest plays, as a new sound cuts off the one before anyway.
class BackgroundSoundPlayer : public SoundPlayer {
public:
    using PlayerMaker = std::function<std::unique_ptr<SoundPlayer>()>;
    explicit BackgroundSoundPlayer(PlayerMaker make = defaultOutput());
    // Waits a moment for the thread to end; one stuck in the sound system is left to end
    // with the process.
    ~BackgroundSoundPlayer() override;
    BackgroundSoundPlayer(const BackgroundSoundPlayer&) = delete;
    BackgroundSoundPlayer& operator=(const BackgroundSoundPlayer&) = delete;

    // Returns at once.
    void play(const QString& name) override;
    // Ends the thread, waiting a moment; false when it is still inside the sound system.
    // Its exit handlers would then wait for it as well, half a minute for a server that
    // never answers: the process is best ended without them.
    bool finish();

    // The module's effects on the default audio output.
    static PlayerMaker defaultOutput();

private:
    std::unique_ptr<SoundThread> thread_;
};
