// Tests of the termination signals: each ending signal reaches the handler through the event
// loop, and a write past the file-size limit fails instead of killing the game.
#include "platform/terminationsignals.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

class TestTerminationSignals : public QObject {
    Q_OBJECT

private slots:
    void endingSignalsCallTheHandlerFromTheEventLoop_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void endingSignalsCallTheHandlerFromTheEventLoop()
    {
        QFETCH(int, signal);
        int calls = 0;
        const TerminationSignals watching([&calls] { ++calls; });
        QCOMPARE(std::raise(signal), 0); // by default this would end the test program
        QCOMPARE(calls, 0);              // not from inside the signal handler
        QTRY_COMPARE(calls, 1);
        std::raise(signal);
        std::raise(signal);
        QTRY_VERIFY(calls >= 2);
    }

    void signalIgnoredAtStartStaysIgnored()
    {
        const auto before = std::signal(SIGHUP, SIG_IGN); // as nohup starts a program
        int calls = 0;
        {
            const TerminationSignals watching([&calls] { ++calls; });
            std::raise(SIGHUP);
            QTest::qWait(50);
        }
        QCOMPARE(calls, 0);
        QVERIFY(std::signal(SIGHUP, before) == SIG_IGN); // and is given back as it was
    }

    void writePastTheFileSizeLimitFails()
    {
        QTemporaryDir dir;
        const TerminationSignals watching([] {});
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        QFile file(dir.filePath(QStringLiteral("big")));
        const bool opened = file.open(QIODevice::WriteOnly);
        // Without SIGXFSZ ignored, the write would kill the program here.
        const bool written = file.write(QByteArray(64 * 1024, 'x')) == 64 * 1024 && file.flush();
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(opened);
        QVERIFY(!written);
    }
};

TW_REGISTER_TEST(TestTerminationSignals)
#include "tst_terminationsignals.moc"
