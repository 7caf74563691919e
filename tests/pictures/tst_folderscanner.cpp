// Tests of the folder scan and the random pick: which files are listed, in which order.
#include "pictures/folderscanner.h"
#include "platform/randomengine.h"
#include "testfiles.h"
#include "testregistry.h"
#include "testzip.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Makes the named files in the folder: .zip names with a picture unless "empty" is in the
// name, other names with a JPEG inside.
bool populate(const QDir& folder, const QStringList& names)
{
    const QByteArray jpeg = readFile(testData("picture.jpg"));
    for (const QString& name : names) {
        const QString path = folder.filePath(name);
        const bool ok =
            name.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive)
                ? writeTestZip(path, name.contains(QStringLiteral("empty"), Qt::CaseInsensitive)
                                         ? std::vector<TestZipEntry>{{"a.txt", "text"}}
                                         : std::vector<TestZipEntry>{{"p.jpg", jpeg}})
                : writeFile(path, jpeg);
        if (!ok)
            return false;
    }
    return true;
}

QStringList inFolder(const QDir& folder, const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names)
        paths << folder.filePath(name);
    return paths;
}
} // namespace

class TestFolderScanner : public QObject {
    Q_OBJECT

private slots:
    void picturesThenArchivesWithPictures()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(populate(folder, {"a.BMP", "b.jpeg", "c-empty.zip", "d.zip", "e.png"}));
        // The later formats come after the archives.
        QCOMPARE(FolderScanner().scan(dir.path()),
                 inFolder(folder, {"a.BMP", "b.jpeg", "d.zip", "e.png"}));
    }

    void groupedByPatternSortedByName()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(populate(folder, {"B.jpg", "a.JPG", "c.gif", "z.bmp", "y.Jpeg", "PICS.ZIP",
                                  "EMPTY.ZIP", "x.jpg.txt"}));
        QCOMPARE(FolderScanner().scan(dir.path() + QStringLiteral("//")),
                 inFolder(folder, {"z.bmp", "c.gif", "a.JPG", "B.jpg", "y.Jpeg", "PICS.ZIP"}));
    }

    void orderIsQtsOwnNameOrder()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const QStringList names{"zebra.jpg", "Ärger.jpg",   "éclair.JPG", "_x.jpg",     "10.jpg",
                                "9.jpg",     ".hidden.jpg", "Mixed.Jpeg", "mixer.jpeg", "B.bmp",
                                "a.bmp",     "Ω.gif",       "omega.gif",  "Z.zip",      "y.ZIP"};
        QVERIFY(populate(folder, names));
        QStringList expected;
        for (const QString& pattern : FolderScanner::PicturePatterns)
            for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden,
                                                        QDir::Name | QDir::IgnoreCase))
                expected << folder.filePath(name);
        QCOMPARE(FolderScanner().scan(dir.path()), expected);
        QCOMPARE(expected.size(), names.size());
    }

    void onlyFilesOfThisFolder()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(folder.mkpath(QStringLiteral("inner")));
        QVERIFY(folder.mkpath(QStringLiteral("folder.jpg")));
        QVERIFY(populate(QDir(folder.filePath(QStringLiteral("inner"))), {"deep.jpg"}));
        QVERIFY(populate(folder, {"top.jpg"}));
        QCOMPARE(FolderScanner().scan(dir.path()), inFolder(folder, {"top.jpg"}));
    }

    void archiveNameInTheFolderChangesNothing()
    {
        QTemporaryDir dir;
        const QDir folder(dir.filePath(QStringLiteral("old.zipfiles")));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        QVERIFY(populate(folder, {"a.jpg", "real.zip"}));
        QCOMPARE(FolderScanner().scan(folder.path()), inFolder(folder, {"a.jpg", "real.zip"}));
    }

    void nothingToScan_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty text") << QString();
        QTest::newRow("missing folder") << QStringLiteral("/no/such/folder");
        QTest::newRow("a file") << testData("picture.jpg");
        QTest::newRow("long missing path") << QStringLiteral("/tmp/") + QString(1000, 'f');
    }

    void nothingToScan()
    {
        QFETCH(QString, folder);
        QVERIFY(FolderScanner().scan(folder).isEmpty());
    }

    void hostileCorpusNeverStopsTheScan()
    {
        // Every archive of the corpus is tested; only those holding a picture stay.
        const QStringList found = FolderScanner().scan(QStringLiteral(TW_TEST_DATA));
        for (const char* archive : {"three.zip", "mixed.zip", "fake-bmp.zip", "bad-crc.zip"})
            QVERIFY2(found.contains(testData(QString::fromLatin1(archive))), archive);
        for (const char* archive : {"not-a-zip.zip", "truncated.zip", "jpeg-only.zip",
                                    "encrypted.zip", "empty.zip", "folders-only.zip"})
            QVERIFY2(!found.contains(testData(QString::fromLatin1(archive))), archive);
        QVERIFY(found.contains(testData("text.jpg"))); // listed; it fails only when loaded
    }

    void changedArchiveIsLookedAtAgain()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(populate(folder, {"a.jpg", "album.zip", "empty.zip"}));
        FolderScanner scanner;
        QCOMPARE(scanner.scan(dir.path()), inFolder(folder, {"a.jpg", "album.zip"}));
        // The empty archive gains a picture, the album loses its own: both are seen anew.
        const QString album = folder.filePath(QStringLiteral("album.zip"));
        const QString empty = folder.filePath(QStringLiteral("empty.zip"));
        QVERIFY(QFile::rename(album, folder.filePath(QStringLiteral("old"))));
        QVERIFY(QFile::rename(empty, album));
        QVERIFY(QFile::rename(folder.filePath(QStringLiteral("old")), empty));
        QCOMPARE(scanner.scan(dir.path()), inFolder(folder, {"a.jpg", "empty.zip"}));
    }

    void specialFilesAreNeverListed()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(populate(folder, {"a.jpg"}));
        QVERIFY(makeFifo(folder.filePath(QStringLiteral("pipe.jpg"))));
        QVERIFY(makeFifo(folder.filePath(QStringLiteral("pipe.zip"))));
        QCOMPARE(FolderScanner().scan(dir.path()), inFolder(folder, {"a.jpg"}));
    }

    void normalisedFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("double separator") << "/pics//"
                                          << "/pics";
        QTest::newRow("separator and space") << "/pics/ "
                                             << "/pics";
        QTest::newRow("plain") << "/pics"
                               << "/pics";
        QTest::newRow("trailing space kept") << "/pics "
                                             << "/pics ";
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("empty") << ""
                               << "";
    }

    void normalisedFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, normalised);
        QCOMPARE(FolderScanner::normalisedFolder(path), normalised);
    }

    void pickAvoidsTheCurrentPicture()
    {
        RandomEngine random(11);
        QVERIFY(!pickRandomPicture({}, QString(), random));
        QCOMPARE(pickRandomPicture({"/p/only.jpg"}, "/p/only.jpg", random), QString("/p/only.jpg"));

        // A hit on the current picture takes the one before it, or the second for the first.
        const QStringList files{"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"};
        for (const QString& current : {files[0], files[2]}) {
            int second = 0;
            for (int i = 0; i < 3000; ++i) {
                const QString pick = *pickRandomPicture(files, current, random);
                QVERIFY(pick != current);
                second += pick == files[1] ? 1 : 0;
            }
            QVERIFY2(second > 1850 && second < 2150, qPrintable(QString::number(second)));
        }
        // A current picture from elsewhere leaves every file an equal chance.
        int first = 0;
        for (int i = 0; i < 3000; ++i)
            first += *pickRandomPicture(files, "/q/a.jpg", random) == files[0] ? 1 : 0;
        QVERIFY(first > 850 && first < 1150);
    }

    void archivesAreKnownByTheirExtension()
    {
        QVERIFY(isArchivePath(QStringLiteral("/p/PICS.ZIP")));
        QVERIFY(isArchivePath(QStringLiteral("/p/a.zip")));
        QVERIFY(!isArchivePath(QStringLiteral("/old.zipfiles/a.jpg")));
        QVERIFY(!isArchivePath(QStringLiteral("/p/a.zip.jpg")));
    }
};

TW_REGISTER_TEST(TestFolderScanner)
#include "tst_folderscanner.moc"
