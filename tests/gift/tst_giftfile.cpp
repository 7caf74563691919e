// Tests of the gift file: where the program image ends, reading and writing payloads, and
// writing that leaves nothing behind when it fails.
#include "gift/giftfile.h"
#include "platform/programimage.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
// A copy of this test program, a real ELF file, to play the game's program file.
struct Program {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("tilewright"));
    QByteArray image;

    Program()
    {
        QFile::copy(QCoreApplication::applicationFilePath(), path);
        image = readFile(path);
    }

    QString withPayload(const QByteArray& payload, const QString& name) const
    {
        const QString gift = folder.filePath(name);
        writeFile(gift, image + payload);
        return gift;
    }
};
} // namespace

class TestGiftFile : public QObject {
    Q_OBJECT

private slots:
    void imageEndsWithTheSectionTable()
    {
        Program program;
        QCOMPARE(programImageLength(program.path), qint64(program.image.size()));
        const QString stripped = program.folder.filePath(QStringLiteral("stripped"));
        QCOMPARE(QProcess::execute(QStringLiteral("strip"), {"-o", stripped, program.path}), 0);
        QCOMPARE(programImageLength(stripped), QFileInfo(stripped).size());
        QVERIFY(QFileInfo(stripped).size() < program.image.size());
    }

    void notAProgram_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("a picture") << testData("picture.jpg");
        QTest::newRow("empty") << testData("empty.jpg");
        QTest::newRow("missing") << QStringLiteral("/no/such/program");
        QTest::newRow("a device") << QStringLiteral("/dev/zero");
    }

    void notAProgram()
    {
        QFETCH(QString, path);
        QVERIFY(!programImageLength(path));
        QVERIFY(!readGift(path));
        QString error;
        QTemporaryDir folder;
        QVERIFY(!writeGift(path, folder.filePath("gift"), 0, "x", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void forgedSectionTableIsNoProgram_data()
    {
        QTest::addColumn<quint64>("tableOffset");
        QTest::addColumn<quint16>("entrySize");
        QTest::addColumn<quint16>("entries");
        const quint64 table = quint64{65535} * 65535;
        QTest::newRow("end wraps to zero") << (0 - table) << quint16(65535) << quint16(65535);
        QTest::newRow("end wraps into the file")
            << (50 - table) << quint16(65535) << quint16(65535);
        QTest::newRow("offset past the end") << quint64(1) << quint16(64) << quint16(1000);
    }

    void forgedSectionTableIsNoProgram()
    {
        QFETCH(quint64, tableOffset);
        QFETCH(quint16, entrySize);
        QFETCH(quint16, entries);
        QByteArray header(200, '\0');
        header.replace(0, 6,
                       QByteArray("\x7f"
                                  "ELF\x02\x01",
                                  6));
        qToLittleEndian(tableOffset, header.data() + 0x28);
        qToLittleEndian(entrySize, header.data() + 0x3A);
        qToLittleEndian(entries, header.data() + 0x3C);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("forged"));
        QVERIFY(writeFile(path, header));
        QCOMPARE(programImageLength(path), std::nullopt);
        QVERIFY(!readGift(path)); // else the whole file, ELF mark and all, is a "gift"
    }

    void payloadsReadBack()
    {
        Program program;
        QVERIFY(!readGift(program.path)); // exactly the image: a plain start
        const auto modeOnly = readGift(program.withPayload(QByteArray(1, '\0'), "mode-only"));
        QVERIFY(modeOnly);
        QCOMPARE(modeOnly->modeByte, 0);
        QVERIFY(modeOnly->picture.isEmpty());
        const QByteArray jpeg = readFile(testData("picture.jpg"));
        const auto slider = readGift(program.withPayload("\x01" + jpeg, "slider"));
        QCOMPARE(slider->modeByte, 1);
        QCOMPARE(slider->picture, jpeg);
        QCOMPARE(readGift(program.withPayload("\x07" + jpeg, "seven"))->modeByte, 7);
    }

    void writtenGiftHoldsOnePayload()
    {
        Program program;
        const QByteArray jpeg = readFile(testData("picture.jpg"));
        const QString first = program.folder.filePath(QStringLiteral("first gift"));
        QString error;
        QVERIFY2(writeGift(program.path, first, 1, jpeg, &error), qPrintable(error));
        const QByteArray written = readFile(first);
        QCOMPARE(written.size(), program.image.size() + 1 + jpeg.size());
        QCOMPARE(written[program.image.size()], '\x01');
        QVERIFY(QFileInfo(first).isExecutable());
        // A gift made by a gift copy carries only the new payload.
        const QByteArray gif = readFile(testData("picture.gif"));
        const QString second = program.folder.filePath(QStringLiteral("second gift"));
        QVERIFY(writeGift(first, second, 0, gif, &error));
        QCOMPARE(readFile(second), program.image + QByteArray(1, '\0') + gif);
    }

    void failuresLeaveNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder missing") << QStringLiteral("missing/gift");
        QTest::newRow("target is a folder") << QStringLiteral("taken");
        QTest::newRow("under a file") << QStringLiteral("plain/gift");
    }

    void failuresLeaveNothing()
    {
        QFETCH(QString, target);
        Program program;
        QTemporaryDir out;
        QDir(out.path()).mkdir(QStringLiteral("taken"));
        writeFile(out.filePath(QStringLiteral("plain")), "x");
        QString error;
        QVERIFY(!writeGift(program.path, out.filePath(target), 0, "picture", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"plain", "taken"}));
    }

    // By its own name, another spelling of it, a link or a hard link: the program stays.
    void neverOverTheProgramItself_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("its name") << QStringLiteral("tilewright");
        QTest::newRow("another spelling") << QStringLiteral("./../<folder>/tilewright");
        QTest::newRow("a link to it") << QStringLiteral("link");
        QTest::newRow("a hard link") << QStringLiteral("hard");
    }

    void neverOverTheProgramItself()
    {
        QFETCH(QString, target);
        Program program;
        QVERIFY(QFile::link(program.path, program.folder.filePath(QStringLiteral("link"))));
        QCOMPARE(
            ::link(QFile::encodeName(program.path).constData(),
                   QFile::encodeName(program.folder.filePath(QStringLiteral("hard"))).constData()),
            0);
        QString error;
        target.replace(QStringLiteral("<folder>"), QFileInfo(program.folder.path()).fileName());
        QVERIFY(!writeGift(program.path, program.folder.filePath(target), 1, "picture", &error));
        QVERIFY2(error.contains(QStringLiteral("is the game itself")), qPrintable(error));
        QCOMPARE(readFile(program.path), program.image);
    }

    void fullDiskLeavesNothing_data()
    {
        QTest::addColumn<rlim_t>("limit");
        QTest::newRow("64 KiB") << rlim_t{64 * 1024};
        QTest::newRow("2 MiB, as ulimit -f 2048") << rlim_t{2048 * 1024};
        QTest::newRow("one byte past a chunk") << rlim_t{64 * 1024 + 1};
        QTest::newRow("inside the picture, at the last flush") << rlim_t{0};
    }

    void fullDiskLeavesNothing()
    {
        QFETCH(rlim_t, limit);
        Program program;
        QTemporaryDir out;
        QString error;
        {
            // A file-size limit below the program's size fails the write part-way, as a full
            // disk does.
            const FileSizeLimit full(limit != 0 ? limit : rlim_t(program.image.size() + 3));
            QVERIFY(!writeGift(program.path, out.filePath("gift"), 0, "picture", &error));
        }
        // The message names the reason, as the system words it.
        QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
        QVERIFY(QDir(out.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
    }
};

TW_REGISTER_TEST(TestGiftFile)
#include "tst_giftfile.moc"
