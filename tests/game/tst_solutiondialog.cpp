// Tests of the solution window: its own copy of the picture, its size, and how it closes.
#include "game/gamestate.h"
#include "game/puzzlepicture.h"
#include "game/solutiondialog.h"
#include "quarters.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class TestSolutionDialog : public QObject {
    Q_OBJECT

private slots:
    void showsTheArchivesPictureAtItsPosition()
    {
        GameState state;
        state.picturePath = testData("three.zip");
        state.zipIndex = 2; // two.BMP, 40 x 30
        auto* dialog = new SolutionDialog(pictureSourceOf(state), QSize(400, 300), nullptr);
        QCOMPARE(dialog->picture().width(), 40);
        QCOMPARE(dialog->pictureFrame().size(), QSize(200 + 3, 149 + 9));
        delete dialog;
    }

    void builtInPictureWhenTheBoardShowsIt()
    {
        GameState state;
        state.picturePath = testData("three.zip");
        state.defaultPictureShown = true;
        SolutionDialog dialog(pictureSourceOf(state), QSize(350, 351), nullptr);
        QCOMPARE(dialog.picture().height(), 351);
        QCOMPARE(dialog.pictureFrame().size(), QSize(199 + 3, 200 + 9));
    }

    void giftPictureComesFromMemory()
    {
        GameState state;
        state.giftMode = true;
        state.picturePath = GiftPictureName; // no such file anywhere
        state.giftPicture = readFile(testData("picture.gif"));
        SolutionDialog dialog(pictureSourceOf(state), QSize(40, 30), nullptr);
        QCOMPARE(dialog.picture().saveEncoded(), state.giftPicture);
        QVERIFY(!dialog.picture().isEmpty());
    }

    void drawsThePictureInItsFrame()
    {
        GameState state;
        state.picturePath = testData("picture.bmp");
        SolutionDialog dialog(pictureSourceOf(state), QSize(40, 30), nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage shot = dialog.grab().toImage();
        const QRect frame = dialog.pictureFrame();
        QCOMPARE(shot.pixelColor(frame.left() + 8, frame.top() + 14).red() > 150, true);
        QCOMPARE(shot.pixelColor(frame.right() - 4, frame.bottom() - 4).blue() > 150, true);
    }

    void escapeAndEnterClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }

    void escapeAndEnterClose()
    {
        QFETCH(int, key);
        GameState state;
        state.defaultPictureShown = true;
        QPointer<SolutionDialog> dialog =
            new SolutionDialog(pictureSourceOf(state), QSize(350, 351), nullptr);
        QSignalSpy finished(dialog.data(), &QDialog::finished);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::keyClick(dialog, static_cast<Qt::Key>(key));
        QCOMPARE(finished.count(), 1);
        QTRY_VERIFY(dialog.isNull()); // deleted once closed
    }
};

TW_REGISTER_TEST(TestSolutionDialog)
#include "tst_solutiondialog.moc"
