// Tests of ZipPictureSource: which entries are pictures, walking them, extracting safely.
#include "pictures/entrypreview.h"
#include "pictures/picture.h"
#include "pictures/zippicturesource.h"
#include "testfiles.h"
#include "testregistry.h"
#include "testzip.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
// How many of this process's open files are the given file.
int openHandlesTo(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    int handles = 0;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& fd : descriptors.entryInfoList(QDir::Files | QDir::System))
        handles += fd.symLinkTarget() == target ? 1 : 0;
    return handles;
}
} // namespace

class TestZipPictureSource : public QObject {
    Q_OBJECT

private slots:
    void freshSourceIsClosed()
    {
        ZipPictureSource zip;
        QCOMPARE(zip.count(), -1);
        QCOMPARE(zip.position(), 0);
        QVERIFY(!zip.goToFirstPicture());
        QVERIFY(!zip.goToNextPicture());
        QVERIFY(!zip.goToPreviousPicture());
        QVERIFY(!zip.locateByName(QStringLiteral("one.jpg")));
        QCOMPARE(zip.currentName(), QString());
        QCOMPARE(zip.currentSize(), quint64{0});
        QVERIFY(!zip.extract());
    }

    void onlyPictureEntriesCount()
    {
        ZipPictureSource zip;
        QVERIFY(zip.open(testData("mixed.zip"))); // a.txt, pics/, b.JPG
        QCOMPARE(zip.count(), 1);
        QCOMPARE(zip.currentName(), QStringLiteral("b.JPG"));
        QVERIFY(zip.open(testData("fake-bmp.zip"))); // text that starts with "BM" passes
        QCOMPARE(zip.count(), 2);
        QCOMPARE(zip.currentName(), QStringLiteral("fake.bmp"));
    }

    void laterFormatsCountByTheirSignature()
    {
        // a.png, b.webp, c.tif and d.TIFF carry their signatures; text.png does not, and a
        // PNG named .jpg or a TIFF named .webp fails the test of its name's format.
        ZipPictureSource zip;
        QVERIFY(zip.open(testData("later-formats.zip")));
        QCOMPARE(zip.count(), 4);
        QStringList names{zip.currentName()};
        while (zip.goToNextPicture())
            names << zip.currentName();
        QCOMPARE(names, QStringList({"a.png", "b.webp", "c.tif", "d.TIFF"}));
        Picture picture;
        QVERIFY(zip.goToPicture(2));
        QVERIFY(showCurrentEntry(zip, picture).isEmpty());
        QCOMPARE(picture.size(), QSize(40, 30));
    }

    void archiveWithoutPicturesIsClosedAgain_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("only a .jpeg") << "jpeg-only.zip";
        QTest::newRow("40-byte gif") << "tiny-gif.zip";
        QTest::newRow("encrypted") << "encrypted.zip";
        QTest::newRow("folder entries") << "folders-only.zip";
    }

    void archiveWithoutPicturesIsClosedAgain()
    {
        QFETCH(QString, file);
        ZipPictureSource zip;
        QVERIFY(zip.open(testData(file)));
        QCOMPARE(zip.count(), -1);
        QVERIFY(!zip.isOpen());
        QVERIFY(!zip.goToFirstPicture());
        QCOMPARE(openHandlesTo(testData(file)), 0);
    }

    void unusableArchivesCountNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no entries") << "empty.zip";
        QTest::newRow("declared 4 GiB") << "declared-4gib.zip";
    }

    // Refused at once or found empty: either way nothing counts and no file stays open.
    void unusableArchivesCountNothing()
    {
        QFETCH(QString, file);
        ZipPictureSource zip;
        zip.open(testData(file));
        QCOMPARE(zip.count(), -1);
        QVERIFY(!ZipPictureSource::containsPicture(testData(file)));
        QCOMPARE(openHandlesTo(testData(file)), 0);
    }

    void noArchiveDoesNotOpen_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("text named .zip") << testData("not-a-zip.zip");
        QTest::newRow("truncated archive") << testData("truncated.zip");
        QTest::newRow("a picture") << testData("picture.jpg");
        QTest::newRow("missing file") << testData("no-such.zip");
        QTest::newRow("a folder") << QStringLiteral(TW_TEST_DATA);
        QTest::newRow("1000-character name") << QString(996, QLatin1Char('z')) + ".zip";
    }

    void noArchiveDoesNotOpen()
    {
        QFETCH(QString, path);
        ZipPictureSource zip;
        QVERIFY(zip.open(testData("three.zip")));
        QVERIFY(!zip.open(path));
        QCOMPARE(zip.count(), -1);
        QVERIFY(!ZipPictureSource::containsPicture(path));
    }

    void walkingForwardsAndBack()
    {
        ZipPictureSource zip;
        QVERIFY(zip.open(testData("three.zip"))); // one.jpg, notes.txt, two.BMP, three.gif
        QCOMPARE(zip.count(), 3);
        QCOMPARE(openHandlesTo(testData("three.zip")), 1);
        QCOMPARE(zip.position(), 1);
        QVERIFY(!zip.goToPreviousPicture());
        QCOMPARE(zip.currentName(), QStringLiteral("one.jpg"));
        QVERIFY(zip.goToNextPicture());
        QCOMPARE(zip.currentName(), QStringLiteral("two.BMP"));
        QVERIFY(zip.goToNextPicture());
        QCOMPARE(zip.position(), 3);
        QCOMPARE(zip.currentName(), QStringLiteral("three.gif"));
        QVERIFY(!zip.goToNextPicture());
        QCOMPARE(zip.position(), 3);
        QVERIFY(zip.goToPreviousPicture());
        QVERIFY(zip.goToPreviousPicture());
        QCOMPARE(zip.position(), 1);
        QVERIFY(zip.locateByName(QStringLiteral("TWO.bmp")));
        QCOMPARE(zip.position(), 2);
        QVERIFY(!zip.locateByName(QStringLiteral("notes.txt")));
        QCOMPARE(zip.position(), 2);
        QVERIFY(zip.goToFirstPicture());
        QCOMPARE(zip.position(), 1);
        QVERIFY(!zip.goToPicture(4));
        QVERIFY(!zip.goToPicture(0));
        QCOMPARE(zip.position(), 1);
    }

    void extractGivesTheStoredPicture()
    {
        ZipPictureSource zip;
        QVERIFY(zip.open(testData("three.zip")));
        const QSize sizes[] = {{48, 32}, {40, 30}, {36, 24}};
        for (int position = 1; position <= 3; ++position) {
            QVERIFY(zip.goToPicture(position));
            const std::optional<QByteArray> bytes = zip.extract();
            QVERIFY(bytes);
            QCOMPARE(static_cast<quint64>(bytes->size()), zip.currentSize());
            Picture picture;
            QVERIFY(showCurrentEntry(zip, picture).isEmpty());
            QCOMPARE(QSize(picture.width(), picture.height()), sizes[position - 1]);
            QCOMPARE(picture.saveEncoded(), *bytes);
        }
    }

    void scratchFileIsPrivateAndRemoved()
    {
        ZipPictureSource zip;
        QVERIFY(zip.open(testData("three.zip")));
        QVERIFY(zip.extractToScratch());
        const QString scratch = zip.scratchPath();
        QVERIFY(!scratch.startsWith(QDir::currentPath()));
        QVERIFY(!scratch.startsWith(QStringLiteral(TW_TEST_DATA)));
        QCOMPARE(readFile(scratch), *zip.extract());
        zip.close();
        QVERIFY(!QFile::exists(scratch));
    }

    void damagedEntriesAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("declared 300 MiB")
            << "declared-300mib.zip" << QStringList{EntryProblem::NoBuffer};
        QTest::newRow("wrong checksum")
            << "bad-crc.zip"
            << QStringList{EntryProblem::BufferError, EntryProblem::CantCreatePicture};
        QTest::newRow("shorter than declared")
            << "short-data.zip"
            << QStringList{EntryProblem::BufferError, EntryProblem::CantCreatePicture};
        QTest::newRow("not really a bmp")
            << "fake-bmp.zip" << QStringList{EntryProblem::CantCreatePicture};
    }

    void damagedEntriesAreRefused()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, problems);
        ZipPictureSource zip;
        QVERIFY(zip.open(testData(file)));
        QVERIFY(zip.count() >= 1);
        Picture picture;
        QCOMPARE(showCurrentEntry(zip, picture), problems);
        QVERIFY(picture.isEmpty());
        // Only the entry whose bytes arrived intact extracts; the others write no scratch.
        const bool intact = !problems.contains(EntryProblem::BufferError) &&
                            !problems.contains(EntryProblem::NoBuffer);
        QCOMPARE(zip.extract().has_value(), intact);
        QCOMPARE(zip.extractToScratch(), intact);
    }

    void namesOfAnyLength()
    {
        ZipPictureSource zip;
        QVERIFY(zip.open(testData("long-name.zip")));
        QCOMPARE(zip.count(), 1);
        QCOMPARE(zip.currentName().size(), 1000);
        QVERIFY(zip.locateByName(QString(996, QLatin1Char('N')) + ".JPG"));
        QVERIFY(zip.extract());
    }

    void tenThousandEntries()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("many.zip"));
        std::vector<TestZipEntry> entries;
        for (int i = 0; i < 10000; ++i)
            entries.push_back({QByteArray("p") + QByteArray::number(i) + ".bmp",
                               "BM" + QByteArray(60, static_cast<char>('a' + i % 26))});
        QVERIFY(writeTestZip(path, entries));
        ZipPictureSource zip;
        QVERIFY(zip.open(path));
        QCOMPARE(zip.count(), 10000);
        QVERIFY(zip.goToPicture(10000));
        QVERIFY(zip.goToPreviousPicture());
        QCOMPARE(zip.currentName(), QStringLiteral("p9998.bmp"));
        QCOMPARE(zip.extract()->size(), 62);
        QVERIFY(ZipPictureSource::containsPicture(path));
    }
};

TW_REGISTER_TEST(TestZipPictureSource)
#include "tst_zippicturesource.moc"
