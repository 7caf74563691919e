// Tests of the profile store: values kept, fallbacks for anything unusable, no crash.
#include "platform/profilestore.h"
#include "platform/regularfile.h"
#include "tempprofile.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

namespace {
const QString Section = QStringLiteral("Settings");
} // namespace

class TestProfileStore : public QObject {
    Q_OBJECT

private slots:
    void valuesSurviveAFreshStore()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        const QString awkward = QStringLiteral("C:\\Pictures, old; \"best\" = ü/ünd #1");
        {
            ProfileStore profile(path);
            profile.writeInt(Section, QStringLiteral("Dimension"), 7);
            profile.writeInt(QStringLiteral("Scores"), QStringLiteral("Time0"), -1000);
            profile.writeText(Section, QStringLiteral("Folder"), awkward);
            QVERIFY(profile.sync());
        }
        const ProfileStore profile(path);
        QCOMPARE(profile.readInt(Section, QStringLiteral("Dimension"), 999), 7);
        QCOMPARE(profile.readInt(QStringLiteral("Scores"), QStringLiteral("Time0"), 0), -1000);
        QCOMPARE(profile.readText(Section, QStringLiteral("Folder"), QString()), awkward);
        QCOMPARE(profile.readInt(QStringLiteral("Scores"), QStringLiteral("Dimension"), 999), 999);
    }

    void unusableNumbersGiveTheFallback_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << QByteArray("12") << 12;
        QTest::newRow("negative") << QByteArray("-5") << -5;
        QTest::newRow("spaces") << QByteArray(" 3 ") << 3;
        QTest::newRow("text") << QByteArray("abc") << 55;
        QTest::newRow("number then text") << QByteArray("4x4") << 55;
        QTest::newRow("empty") << QByteArray("") << 55;
        QTest::newRow("too large") << QByteArray("99999999999") << 55;
        QTest::newRow("list") << QByteArray("1, 2") << 55;
        QTest::newRow("fraction") << QByteArray("2.5") << 55;
    }

    void unusableNumbersGiveTheFallback()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        QVERIFY(writeFile(path, "[Settings]\nGrid=" + stored + "\n"));
        const ProfileStore profile(path);
        QCOMPARE(profile.readInt(Section, QStringLiteral("Grid"), 55), expected);
    }

    void garbageFileReadsAsEmpty()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        QByteArray noise(4096, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = static_cast<char>((i * 131 + 17) % 256);
        QVERIFY(writeFile(path, noise));
        const ProfileStore profile(path);
        QCOMPARE(profile.readInt(Section, QStringLiteral("Dimension"), 999), 999);
        QCOMPARE(profile.readText(Section, QStringLiteral("Folder"), QStringLiteral("x")),
                 QStringLiteral("x"));
    }

    void unwritableLocationKeepsNothing()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("plain-file"));
        QVERIFY(writeFile(blocker, "not a folder"));
        // A folder that can never be created, whoever runs the test.
        ProfileStore profile(blocker + QStringLiteral("/sub/game.ini"));
        profile.writeInt(Section, QStringLiteral("Dimension"), 5);
        QVERIFY(!profile.sync());
        QVERIFY(QFile(blocker).size() == 12);
        // The reason, in the system's words.
        QVERIFY2(profile.lastError().contains(QString::fromLocal8Bit(std::strerror(ENOTDIR))),
                 qPrintable(profile.lastError()));
    }

    // A damaged file read, or a failure met earlier, is no failure of the save at hand.
    void onlyASaveThatFailsIsReported_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("line without =") << QByteArray("[Settings]\nGrid\n");
        QTest::newRow("unclosed section") << QByteArray("[Settings\nGrid=1\n");
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf[Settings]\nGrid=1\n");
        QTest::newRow("garbage") << QByteArray("\x01\xfe[=\n]]\n\\\n", 10);
    }

    void onlyASaveThatFailsIsReported()
    {
        QFETCH(QByteArray, file);
        const TempProfile profileFile;
        QVERIFY(writeFile(profileFile.path, file));
        ProfileStore profile(profileFile.path);
        profile.writeInt(Section, QStringLiteral("Dimension"), 6);
        QVERIFY2(profile.sync(), qPrintable(profile.lastError()));
        QCOMPARE(profileFile.raw(QStringLiteral("Settings/Dimension")), QStringLiteral("6"));
        // A full disk, which leaves the file whole, then room again: the writes waiting
        // meanwhile go too.
        profile.writeText(Section, QStringLiteral("Folder"), QString(4096, QLatin1Char('x')));
        {
            const FileSizeLimit full(1024);
            QVERIFY(!profile.sync());
        }
        QVERIFY2(profile.lastError().contains(QString::fromLocal8Bit(std::strerror(EFBIG))),
                 qPrintable(profile.lastError()));
        QCOMPARE(profileFile.raw(QStringLiteral("Settings/Dimension")), QStringLiteral("6"));
        profile.writeInt(Section, QStringLiteral("Sound"), 0);
        QVERIFY2(profile.sync(), qPrintable(profile.lastError()));
        QCOMPARE(profile.lastError(), QString());
        QCOMPARE(profileFile.raw(QStringLiteral("Settings/Folder")).size(), 4096);
        QCOMPARE(profileFile.raw(QStringLiteral("Settings/Sound")), QStringLiteral("0"));
    }

    // Another computer's lock on the file, fresh, as Qt would wait half a minute for: the
    // save fails at once with the reason, and what it held is written once the lock goes.
    void aLockHeldElsewhereIsNotWaitedFor()
    {
        const TempProfile profileFile;
        const QString lock = profileFile.path + QStringLiteral(".lock");
        QVERIFY(writeFile(lock, "4242\ntilewright\nanother-computer\n"));
        ProfileStore profile(profileFile.path);
        profile.writeInt(Section, QStringLiteral("Dimension"), 6);
        QVERIFY(!profile.sync());
        QVERIFY2(profile.lastError().contains(QStringLiteral("in use by another program")),
                 qPrintable(profile.lastError()));
        QCOMPARE(profile.readInt(Section, QStringLiteral("Dimension"), 999), 6);
        QVERIFY(QFile::remove(lock));
        QVERIFY(profile.sync());
        QCOMPARE(profileFile.raw(QStringLiteral("Settings/Dimension")), QStringLiteral("6"));
    }

    // Another copy tells a changed file by its size and its time to the millisecond: every
    // write moves the time on, however fast the writes of one size come.
    void everyWriteMovesTheFileTimeOn()
    {
        const TempProfile profileFile;
        ProfileStore profile(profileFile.path);
        qint64 last = -1;
        for (int write = 0; write < 20; ++write) {
            profile.writeInt(Section, QStringLiteral("Grid"), write % 2);
            QVERIFY(profile.sync());
            const qint64 now = QFileInfo(profileFile.path).lastModified().toMSecsSinceEpoch();
            QVERIFY(now > last);
            last = now;
        }
    }

    void syncThatWorksHasNoError()
    {
        const TempProfile profileFile;
        ProfileStore profile(profileFile.path);
        QVERIFY(makeFifo(profileFile.path + QStringLiteral(".lock")));
        QVERIFY(!profile.sync());
        QVERIFY(profile.lastError().contains(QStringLiteral(".lock")));
        QVERIFY(QFile::remove(profileFile.path + QStringLiteral(".lock")));
        QVERIFY(profile.sync());
        QCOMPARE(profile.lastError(), QString());
    }

    void specialFileIsNeverOpened()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        QVERIFY(makeFifo(path));
        ProfileStore profile(path); // opening the FIFO would block here for good
        QCOMPARE(profile.readInt(Section, QStringLiteral("Dimension"), 999), 999);
        profile.writeInt(Section, QStringLiteral("Dimension"), 6);
        QVERIFY(!profile.sync());
        QCOMPARE(profile.readInt(Section, QStringLiteral("Dimension"), 999), 6); // for the run
        QVERIFY(!isRegularFile(path));
    }

    void fileTurnedIntoAFifoIsNeverOpened()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        {
            ProfileStore profile(path);
            profile.writeInt(Section, QStringLiteral("Dimension"), 6);
            QVERIFY(profile.sync());
            profile.writeInt(Section, QStringLiteral("Grid"), 0);
            // Someone puts a FIFO where the file was while the game runs.
            QVERIFY(QFile::remove(path));
            QVERIFY(makeFifo(path));
            QVERIFY(!profile.sync());
            QCOMPARE(profile.readInt(Section, QStringLiteral("Grid"), 1), 0);
            QCOMPARE(profile.readInt(Section, QStringLiteral("Dimension"), 999), 6);
        } // nor when the store goes
        QVERIFY(!isRegularFile(path));
    }

    void lockFileThatIsNoFileIsNeverOpened_data()
    {
        QTest::addColumn<bool>("fromTheStart");
        QTest::newRow("there from the start") << true;
        QTest::newRow("put there while the game runs") << false;
    }

    // Every sync takes a lock file beside the settings file; a FIFO there would block the
    // open, and the game with it, for good.
    void lockFileThatIsNoFileIsNeverOpened()
    {
        QFETCH(bool, fromTheStart);
        const TempProfile profileFile;
        const QString lock = profileFile.path + QStringLiteral(".lock");
        if (fromTheStart)
            QVERIFY(makeFifo(lock));
        ProfileStore profile(profileFile.path);
        profile.writeInt(Section, QStringLiteral("Dimension"), 6);
        QCOMPARE(profile.sync(), !fromTheStart);
        if (!fromTheStart)
            QVERIFY(makeFifo(lock));
        profile.writeInt(Section, QStringLiteral("Grid"), 0);
        QVERIFY(!profile.sync());
        QCOMPARE(profile.readInt(Section, QStringLiteral("Grid"), 1), 0); // kept for the run
        QCOMPARE(profile.readInt(Section, QStringLiteral("Dimension"), 999), 6);
        QVERIFY(!isRegularFile(lock));
    }

    void lockedStepsRunWhateverTheLock()
    {
        const TempProfile profileFile;
        ProfileStore profile(profileFile.path);
        int ran = 0;
        QVERIFY(profile.runLocked([&] { ++ran; }));
        // Held by another: waited for a while, then run all the same.
        QLockFile other(profileFile.path + QStringLiteral(".update-lock"));
        QVERIFY(other.tryLock());
        QVERIFY(!profile.runLocked([&] { ++ran; }));
        other.unlock();
        // A FIFO where the lock goes is never opened.
        QVERIFY(makeFifo(profileFile.path + QStringLiteral(".update-lock")));
        QVERIFY(!profile.runLocked([&] { ++ran; }));
        QCOMPARE(ran, 3);
    }

    void presentButUnreadableIsToldApart()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        QVERIFY(writeFile(path, "[Settings]\nGrid=abc\nSound=999\n"));
        const ProfileStore profile(path);
        QVERIFY(profile.contains(Section, QStringLiteral("Grid")));
        QCOMPARE(profile.readNumber(Section, QStringLiteral("Grid")), std::nullopt);
        QCOMPARE(profile.readNumber(Section, QStringLiteral("Sound")), 999);
        QVERIFY(!profile.contains(Section, QStringLiteral("Dimension")));
    }

    void removedSectionIsGoneAtOnceAndFromTheFileAtSync()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        QVERIFY(writeFile(path, "[Resume]\nMoves=4\nBoard=1 2\n[Settings]\nSound=0\n"));
        ProfileStore profile(path);
        const QString resume = QStringLiteral("Resume");
        profile.writeInt(resume, QStringLiteral("Elapsed"), 9); // not synced yet
        profile.removeSection(resume);
        QVERIFY(!profile.contains(resume, QStringLiteral("Moves")));
        QVERIFY(!profile.contains(resume, QStringLiteral("Elapsed")));
        QCOMPARE(profile.readText(resume, QStringLiteral("Board"), QStringLiteral("-")),
                 QStringLiteral("-"));
        // Written again after the removal: the new value alone.
        profile.writeInt(resume, QStringLiteral("Moves"), 5);
        QCOMPARE(profile.readInt(resume, QStringLiteral("Moves"), 0), 5);
        QVERIFY(profile.sync());
        QSettings file(path, QSettings::IniFormat);
        file.beginGroup(resume);
        QCOMPARE(file.childKeys(), QStringList{QStringLiteral("Moves")});
        file.endGroup();
        QCOMPARE(file.value(QStringLiteral("Settings/Sound")).toString(), QStringLiteral("0"));
    }

    void syncSeesWhatAnotherCopyWrote()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        ProfileStore mine(path);
        QVERIFY(!mine.contains(Section, QStringLiteral("Grid")));
        QVERIFY(writeFile(path, "[Settings]\nGrid=0\n"));
        QVERIFY(mine.sync());
        QCOMPARE(mine.readNumber(Section, QStringLiteral("Grid")), 0);
    }

    void userStoreIsNamedAfterTheProgram()
    {
        const QString path = ProfileStore::userIniPath(QStringLiteral("Tilewright Gift"));
        QVERIFY2(path.endsWith(QStringLiteral("/Tilewright/Tilewright Gift.ini")),
                 qPrintable(path));
        // The very file QSettings itself would use for the user's scope.
        const QSettings qt(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tilewright"),
                           QStringLiteral("Tilewright Gift"));
        QCOMPARE(path, qt.fileName());
    }

    void onlyRegularFilesAreReadable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("regular");
        QTest::newRow("file") << "file" << true;
        QTest::newRow("link to a file") << "link" << true;
        QTest::newRow("FIFO") << "fifo" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("device") << "device" << false;
        QTest::newRow("no name") << "" << false;
    }

    void onlyRegularFilesAreReadable()
    {
        QFETCH(QString, kind);
        QFETCH(bool, regular);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("file"));
        QVERIFY(writeFile(file, "x"));
        QVERIFY(QFile::link(file, dir.filePath(QStringLiteral("link"))));
        QVERIFY(makeFifo(dir.filePath(QStringLiteral("fifo"))));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString path = kind == "device" ? QStringLiteral("/dev/zero")
                             : kind.isEmpty() ? QString()
                                              : dir.filePath(kind);
        QCOMPARE(isRegularFile(path), regular);
    }
};

TW_REGISTER_TEST(TestProfileStore)
#include "tst_profilestore.moc"
