// Background sounds: the sound system started and played where the window never waits.
#include "backgroundsounds.h"

#include <QDeadlineTimer>
#include <QThread>
#include <mutex>
#include <optional>

class SoundThread : public QThread {
public:
    explicit SoundThread(BackgroundSoundPlayer::PlayerMaker make)
        : make_(std::move(make))
    {
        context_.moveToThread(this);
    }

    void post(const QString& name)
    {
        {
            const std::lock_guard lock(mutex_);
            const bool asked = pending_.has_value();
            pending_ = name;
            if (asked)
                return; // the call already on its way plays the latest
        }
        QMetaObject::invokeMethod(
            &context_, [this] { playPending(); }, Qt::QueuedConnection);
    }

protected:
    void run() override
    {
        exec();
        player_.reset(); // its sounds belong to this thread
    }

private:
    void playPending()
    {
        if (!player_)
            player_ = make_();
        std::optional<QString> name;
        {
            const std::lock_guard lock(mutex_);
            name.swap(pending_);
        }
        if (player_ && name)
            player_->play(*name);
    }

    BackgroundSoundPlayer::PlayerMaker make_;
    std::unique_ptr<SoundPlayer> player_; // on this thread only
    QObject context_;                     // where the calls to play are delivered
    std::mutex mutex_;
    std::optional<QString> pending_;
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
