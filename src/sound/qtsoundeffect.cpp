// The sound module: Qt Multimedia's sound effects, loaded by the game only when it first plays
// a sound, so the audio system and its libraries stay out of every start.
#include "platform/soundplayer.h"

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

// The effect of a resource on the default audio output; nullptr without one.
extern "C" Q_DECL_EXPORT SoundEffect* tilewrightSoundEffect(const QString& resource)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return nullptr;
    return new QtSoundEffect(resource);
}
