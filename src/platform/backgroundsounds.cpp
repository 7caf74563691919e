// Background sounds: the sound system started and played where the window never waits.
#include "backgroundsounds.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QThread>
#include <mutex>
#include <optional>

namespace {
// Lives on the sound thread: makes the player there, and at each call delivered to it plays
// the sound asked for last.
class SoundDesk : public QObject {
public:
    explicit SoundDesk(BackgroundSoundPlayer::PlayerMaker make)
        : make_(std::move(make))
    {}

    void post(const QString& name)
    {
        {
            const std::lock_guard lock(mutex_);
            const bool asked = pending_.has_value();
            pending_ = name;
            if (asked)
                return; // the call already on its way plays the latest
        }
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

    void dropPlayer() { player_.reset(); }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (!player_)
            player_ = make_();
        std::optional<QString> name;
        {
            const std::lock_guard lock(mutex_);
            name.swap(pending_);
        }
        if (player_ && name)
            player_->play(*name);
        return true;
    }

private:
    BackgroundSoundPlayer::PlayerMaker make_;
    std::unique_ptr<SoundPlayer> player_; // on the sound thread only
    std::mutex mutex_;
    std::optional<QString> pending_;
};
} // namespace

class SoundThread : public QThread {
public:
    explicit SoundThread(BackgroundSoundPlayer::PlayerMaker make)
        : desk_(std::move(make))
    {
        desk_.moveToThread(this);
    }

    void post(const QString& name) { desk_.post(name); }

protected:
    void run() override
    {
        exec();
        desk_.dropPlayer(); // its sounds belong to this thread
    }

private:
    SoundDesk desk_;
};

BackgroundSoundPlayer::BackgroundSoundPlayer(PlayerMaker make)
    : thread_(std::make_unique<SoundThread>(std::move(make)))
{
    thread_->start();
}

BackgroundSoundPlayer::~BackgroundSoundPlayer()
{
    if (!finish())
        static_cast<void>(thread_.release()); // still in the sound system: ends with the process
}

bool BackgroundSoundPlayer::finish()
{
    constexpr int WaitMilliseconds = 1000;
    thread_->quit();
    return thread_->wait(QDeadlineTimer(WaitMilliseconds));
}

void BackgroundSoundPlayer::play(const QString& name)
{
    thread_->post(name);
}

BackgroundSoundPlayer::PlayerMaker BackgroundSoundPlayer::defaultOutput()
{
    return [] {
        return std::make_unique<EffectSoundPlayer>();
    };
}
