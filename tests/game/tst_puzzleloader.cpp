// Tests of the puzzle loader: archives without pictures, a gift's picture, kept pictures.
#include "game/puzzleloader.h"
#include "platform/randomengine.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(PictureFault)

namespace {
// What the window does off its thread, at once.
std::optional<UnshownPicture> loadNow(PuzzleLoader& loader, const PictureRequest& request)
{
    return loader.show(request, fetchPicture(request, {}));
}

bool otherFromZip(PuzzleLoader& loader)
{
    const std::optional<PictureRequest> request = loader.otherFromZipRequest();
    return request && !loadNow(loader, *request);
}

bool kept(PuzzleLoader& loader, const QString& path, int zipIndex, bool builtIn)
{
    const PictureRequest request = loader.keptRequest(path, zipIndex, builtIn);
    return !loader.showKept(request, fetchPicture(request, {}));
}
} // namespace

class TestPuzzleLoader : public QObject {
    Q_OBJECT

private slots:
    void archiveWithoutPicturesIsClosedForTheBuiltInPicture()
    {
        RandomEngine random(3);
        PuzzleLoader loader(random);
        loader.open(testData("three.zip"), 2, 0, {});
        QCOMPARE(loader.source().zipCount, 3);
        QVERIFY(loader.showsArchive());
        loader.open(testData("jpeg-only.zip"), 1, 0, {});
        QVERIFY(loader.source().defaultPictureShown);
        QVERIFY(loader.source().zipCount <= 0);
        QVERIFY(!loader.showsArchive());
        QCOMPARE(loader.picture().height(), 351);
    }

    void anotherPictureOfTheArchive()
    {
        RandomEngine random(3);
        PuzzleLoader loader(random);
        loader.open(testData("three.zip"), 2, 0, {});
        for (int i = 0; i < 10; ++i) {
            const int previous = loader.source().zipIndex;
            QVERIFY(otherFromZip(loader));
            QVERIFY(loader.source().zipIndex != previous);
            QVERIFY(!loader.source().defaultPictureShown);
        }
        loader.open(testData("picture.jpg"), 1, 0, {});
        QVERIFY(!otherFromZip(loader));
        QCOMPARE(loader.picture().saveEncoded(), readFile(testData("picture.jpg")));
    }

    void giftPictureComesFromMemoryUntilAnotherIsChosen()
    {
        RandomEngine random(3);
        PuzzleLoader loader(random);
        const QByteArray gift = readFile(testData("picture.gif"));
        QCOMPARE(loadNow(loader, loader.giftRequest(gift)), std::nullopt);
        QVERIFY(loader.source().giftMode);
        QVERIFY(!loader.source().defaultPictureShown);
        QCOMPARE(loader.picture().saveEncoded(), gift);
        // A picture file chosen later is read from its file.
        loader.open(testData("picture.jpg"), 1, 0, {});
        QCOMPARE(loader.picture().saveEncoded(), readFile(testData("picture.jpg")));
    }

    void keptPictureThatIsGoneChangesNothing()
    {
        RandomEngine random(3);
        PuzzleLoader loader(random);
        loader.open(testData("picture.jpg"), 1, 0, {});
        QVERIFY(!kept(loader, testData("missing.jpg"), 0, false));
        QCOMPARE(loader.source().picturePath, testData("picture.jpg"));
        QCOMPARE(loader.picture().saveEncoded(), readFile(testData("picture.jpg")));
        QVERIFY(kept(loader, testData("three.zip"), 3, false));
        QCOMPARE(loader.source().zipIndex, 3);
        QCOMPARE(loader.source().zipCount, 3);
        QVERIFY(kept(loader, QString(), 0, true));
        QVERIFY(loader.source().defaultPictureShown);
        QCOMPARE(loader.picture().height(), 351);
    }

    void aChosenPictureNotShownSaysWhichAndWhy_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("zipIndex");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<PictureFault>("fault");
        QTest::newRow("text") << "text.jpg" << 1 << "" << PictureFault::UnknownFormat;
        QTest::newRow("no pictures") << "jpeg-only.zip" << 1 << "" << PictureFault::NoPictures;
        QTest::newRow("not an archive") << "not-a-zip.zip" << 1 << "" << PictureFault::Damaged;
        QTest::newRow("bad checksum")
            << "bad-crc.zip" << 1 << "broken.jpg" << PictureFault::Unreadable;
        QTest::newRow("past the last") << "three.zip" << 4 << "" << PictureFault::NoPictures;
    }
    void aChosenPictureNotShownSaysWhichAndWhy()
    {
        QFETCH(QString, file);
        QFETCH(int, zipIndex);
        QFETCH(QString, entry);
        QFETCH(PictureFault, fault);
        RandomEngine random(3);
        PuzzleLoader loader(random);
        QCOMPARE(loader.open(testData("picture.jpg"), 1, 0, {}), std::nullopt);
        const std::optional<UnshownPicture> unshown = loader.open(testData(file), zipIndex, 0, {});
        QVERIFY(unshown.has_value());
        QCOMPARE(unshown->path, testData(file));
        QCOMPARE(unshown->entry, entry);
        QCOMPARE(unshown->why.fault, fault);
        QVERIFY(loader.source().defaultPictureShown);
        QCOMPARE(loader.picture().height(), 351); // the built-in picture
    }

    void fetchingTouchesNothingOfTheLoader()
    {
        // A request is decided first; until it is shown, the loader shows what it showed.
        RandomEngine random(3);
        PuzzleLoader loader(random);
        loader.open(testData("picture.jpg"), 1, 0, {});
        const PictureRequest request = loader.openRequest(testData("picture.gif"), 1, 0);
        FetchedPicture fetched = fetchPicture(request, {});
        QCOMPARE(loader.picture().saveEncoded(), readFile(testData("picture.jpg")));
        QCOMPARE(loader.show(request, std::move(fetched)), std::nullopt);
        QCOMPARE(loader.source().picturePath, testData("picture.gif"));
        QCOMPARE(loader.picture().saveEncoded(), readFile(testData("picture.gif")));
    }
};

TW_REGISTER_TEST(TestPuzzleLoader)
#include "tst_puzzleloader.moc"
