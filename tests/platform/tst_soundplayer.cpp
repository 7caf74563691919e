// Tests of the sounds: each name finds a playable WAV resource, a new sound cuts off the
// last, and playing never blocks.
#include "platform/backgroundsounds.h"
#include "platform/soundplayer.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

namespace {
// An effect that writes down what is done with it.
class LoggedEffect : public SoundEffect {
public:
    LoggedEffect(QString resource, QStringList& log)
        : resource_(std::move(resource))
        , log_(log)
    {}
    void play() override { log_ << QStringLiteral("play ") + resource_; }
    void stop() override { log_ << QStringLiteral("stop ") + resource_; }

private:
    QString resource_;
    QStringList& log_;
};

// A player that, like a sound server that does not answer, holds each sound until let go.
class HeldPlayer : public SoundPlayer {
public:
    HeldPlayer(QSemaphore& entered, QSemaphore& gate, QStringList& played)
        : entered_(entered)
        , gate_(gate)
        , played_(played)
    {}
    void play(const QString& name) override
    {
        entered_.release();
        gate_.acquire();
        played_ << name;
    }

private:
    QSemaphore& entered_;
    QSemaphore& gate_;
    QStringList& played_;
};
} // namespace

class TestSoundPlayer : public QObject {
    Q_OBJECT

private slots:
    void everySoundIsAShortWave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("longest");
        QTest::newRow("slide") << Sound::Slider << 0.5;
        QTest::newRow("swap") << Sound::Shuffle << 0.5;
        QTest::newRow("fanfare") << Sound::Complete << 3.0;
    }

    void everySoundIsAShortWave()
    {
        QFETCH(QString, name);
        QFETCH(double, longest);
        QFile file(QStringLiteral(":/WAVE/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wave = file.readAll();
        QVERIFY(wave.startsWith("RIFF"));
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        const auto bytesPerSecond = qFromLittleEndian<quint32>(wave.constData() + 28);
        const double seconds = double(wave.size() - 44) / bytesPerSecond;
        QVERIFY(seconds > 0.05 && seconds < longest);
    }

    // The module is loaded and made to give an effect (none where there is no output); a
    // missing module or a file that is none gives nothing, and no player fails for it.
    void theSoundModuleLoadsOrNothingDoes()
    {
        const SoundEffectMaker make = moduleEffects(QStringLiteral(TW_SOUND_MODULE));
        QVERIFY(make);
        if (const std::unique_ptr<SoundEffect> effect =
                make(QStringLiteral("qrc:/WAVE/IDR_SLIDER")))
            effect->play();
        QVERIFY(!moduleEffects(QStringLiteral("/no/such/tilewright-sound.so")));
        QVERIFY(!moduleEffects(QStringLiteral(TW_TEST_DATA "/picture.bmp")));
        // A FIFO in its place is never opened: the loading would block for good.
        const QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("tilewright-sound.so"));
        QVERIFY(makeFifo(fifo));
        QVERIFY(!moduleEffects(fifo));
    }

    // A sound system that does not answer holds up no caller: the sounds asked for meanwhile
    // come down to the latest, played on the player's own thread once it answers.
    void soundsStartAndPlayOffTheCallersThread()
    {
        QSemaphore entered;
        QSemaphore gate;
        QStringList played;
        const QThread* madeOn = nullptr;
        {
            BackgroundSoundPlayer player([&]() -> std::unique_ptr<SoundPlayer> {
                madeOn = QThread::currentThread();
                return std::make_unique<HeldPlayer>(entered, gate, played);
            });
            player.play(Sound::Slider);
            QVERIFY(entered.tryAcquire(1, 5000)); // held in the sound system now
            player.play(Sound::Shuffle);
            player.play(Sound::Complete);
            gate.release(2);
            QVERIFY(entered.tryAcquire(1, 5000));
        }
        QCOMPARE(played, QStringList({Sound::Slider, Sound::Complete}));
        QVERIFY(madeOn != nullptr && madeOn != QThread::currentThread());
    }

    // Nothing of the audio system is asked for until a sound is played.
    void soundsAreLoadedWhenTheFirstIsPlayed()
    {
        QStringList loaded;
        QStringList heard;
        EffectSoundPlayer player([&](const QString& resource) {
            loaded << resource;
            return std::make_unique<LoggedEffect>(resource, heard);
        });
        QVERIFY(loaded.isEmpty());
        player.play(Sound::Shuffle);
        player.play(Sound::Slider);
        QCOMPARE(loaded, QStringList({"qrc:/WAVE/IDR_SLIDER", "qrc:/WAVE/IDR_SHUFFLE",
                                      "qrc:/WAVE/IDR_COMPLETE"}));
        QCOMPARE(heard.first(), QStringLiteral("play qrc:/WAVE/IDR_SHUFFLE"));
    }

    void aNewSoundCutsOffTheOneStillPlaying()
    {
        QStringList heard;
        EffectSoundPlayer player([&](const QString& resource) {
            return std::make_unique<LoggedEffect>(resource, heard);
        });
        player.play(Sound::Slider);
        player.play(Sound::Complete);
        player.play(Sound::Complete);
        player.play(QStringLiteral("IDR_NO_SUCH_SOUND")); // changes nothing
        QCOMPARE(heard, QStringList({"play qrc:/WAVE/IDR_SLIDER", "stop qrc:/WAVE/IDR_SLIDER",
                                     "play qrc:/WAVE/IDR_COMPLETE", "stop qrc:/WAVE/IDR_COMPLETE",
                                     "play qrc:/WAVE/IDR_COMPLETE"}));
    }

    void aSoundTheOutputCannotHaveIsSilent()
    {
        // The output has no slide sound: asking for it plays nothing and cuts nothing off.
        QStringList heard;
        EffectSoundPlayer player([&](const QString& resource) -> std::unique_ptr<SoundEffect> {
            if (resource.endsWith(Sound::Slider))
                return nullptr;
            return std::make_unique<LoggedEffect>(resource, heard);
        });
        player.play(Sound::Shuffle);
        player.play(Sound::Slider);
        player.play(Sound::Complete);
        QCOMPARE(heard, QStringList({"play qrc:/WAVE/IDR_SHUFFLE", "stop qrc:/WAVE/IDR_SHUFFLE",
                                     "play qrc:/WAVE/IDR_COMPLETE"}));
    }

    void playingNeverWaits()
    {
        EffectSoundPlayer player;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i) {
            player.play(Sound::Slider);
            player.play(Sound::Complete);
        }
        player.play(QStringLiteral("IDR_NO_SUCH_SOUND"));
        QVERIFY(timer.elapsed() < 2000);
    }
};

TW_REGISTER_TEST(TestSoundPlayer)
#include "tst_soundplayer.moc"
