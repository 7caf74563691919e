// Tests of the puzzle picture's choice: archives without pictures, and a gift's picture.
#include "game/gamestate.h"
#include "game/puzzlepicture.h"
#include "pictures/folderscanner.h"
#include "pictures/picture.h"
#include "pictures/zippicturesource.h"
#include "platform/randomengine.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QTest>

class TestPuzzlePicture : public QObject {
    Q_OBJECT

private slots:
    void archiveWithoutPicturesIsClosedForTheBuiltInPicture()
    {
        GameState state;
        Picture picture;
        ZipPictureSource zip;
        FolderScanner folder;
        RandomEngine random(3);
        state.picturePath = testData("three.zip");
        state.zipIndex = 2;
        loadPuzzlePicture(state, picture, zip, folder, random, false);
        QVERIFY(zip.isOpen());
        state.picturePath = testData("jpeg-only.zip");
        loadPuzzlePicture(state, picture, zip, folder, random, false);
        QVERIFY(state.defaultPictureShown);
        QVERIFY(state.zipCount <= 0);
        QVERIFY(!zip.isOpen());
        QCOMPARE(picture.height(), 351);
    }

    void giftPictureComesFromMemoryUntilAnotherIsChosen()
    {
        GameState state;
        Picture picture;
        ZipPictureSource zip;
        FolderScanner folder;
        RandomEngine random(3);
        state.giftMode = true;
        state.giftPicture = readFile(testData("picture.gif"));
        state.picturePath = GiftPictureName;
        loadPuzzlePicture(state, picture, zip, folder, random, false);
        QVERIFY(!state.defaultPictureShown);
        QCOMPARE(picture.saveEncoded(), state.giftPicture);
        // A picture file chosen later is read from its file.
        state.picturePath = testData("picture.jpg");
        loadPuzzlePicture(state, picture, zip, folder, random, false);
        QCOMPARE(picture.saveEncoded(), readFile(testData("picture.jpg")));
    }
};

TW_REGISTER_TEST(TestPuzzlePicture)
#include "tst_puzzlepicture.moc"
