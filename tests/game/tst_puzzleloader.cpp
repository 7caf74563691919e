// Tests of the puzzle loader: archives without pictures, a gift's picture, kept pictures.
#include "game/puzzleloader.h"
#include "platform/randomengine.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QTest>

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
            QVERIFY(loader.loadOtherFromZip({}));
            QVERIFY(loader.source().zipIndex != previous);
            QVERIFY(!loader.source().defaultPictureShown);
        }
        loader.open(testData("picture.jpg"), 1, 0, {});
        QVERIFY(!loader.loadOtherFromZip({}));
        QCOMPARE(loader.picture().saveEncoded(), readFile(testData("picture.jpg")));
    }

    void giftPictureComesFromMemoryUntilAnotherIsChosen()
    {
        RandomEngine random(3);
        PuzzleLoader loader(random);
        const QByteArray gift = readFile(testData("picture.gif"));
        loader.loadGift(gift, {});
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
        QVERIFY(!loader.loadKept(testData("missing.jpg"), 0, false, {}));
        QCOMPARE(loader.source().picturePath, testData("picture.jpg"));
        QCOMPARE(loader.picture().saveEncoded(), readFile(testData("picture.jpg")));
        QVERIFY(loader.loadKept(testData("three.zip"), 3, false, {}));
        QCOMPARE(loader.source().zipIndex, 3);
        QCOMPARE(loader.source().zipCount, 3);
        QVERIFY(loader.loadKept(QString(), 0, true, {}));
        QVERIFY(loader.source().defaultPictureShown);
        QCOMPARE(loader.picture().height(), 351);
    }
};

TW_REGISTER_TEST(TestPuzzleLoader)
#include "tst_puzzleloader.moc"
