// Tests of the sounds: each name finds a playable WAV resource, and playing never blocks.
#include "platform/soundplayer.h"
#include "testregistry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QtEndian>

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
