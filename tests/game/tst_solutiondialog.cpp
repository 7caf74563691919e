// Tests of the solution window: its own copy of the picture, its size, and how it closes.
#include "game/solutiondialog.h"
#include "quarters.h"
#include "testfiles.h"
#include "testregistry.h"
#include "testzip.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class TestSolutionDialog : public QObject {
    Q_OBJECT

private slots:
    void showsTheBoardsPictureWithoutDecodingItAgain()
    {
        Picture current;
        QVERIFY(current.loadFromMemory(encodedPicture(1200, 900, "JPG")));
        auto* dialog = new SolutionDialog(current, nullptr);
        QCOMPARE(dialog->picture().size(), QSize(1200, 900));
        QCOMPARE(dialog->pictureFrame().size(), QSize(200 + 3, 149 + 9));
        QCOMPARE(dialog->picture().pixels().size(),
                 devicePixels(QSize(200, 149), dialog->devicePixelRatioF()));
        // The bytes are shared, not copied: nothing of the file is read or decoded again.
        QCOMPARE(dialog->picture().saveEncoded().constData(), current.saveEncoded().constData());
        delete dialog;
    }

    void builtInPictureWhenTheBoardShowsIt()
    {
        Picture current;
        QVERIFY(current.loadBuiltIn());
        SolutionDialog dialog(current, nullptr);
        QCOMPARE(dialog.picture().height(), 351);
        QCOMPARE(dialog.pictureFrame().size(), QSize(199 + 3, 200 + 9));
    }

    void drawsThePictureInItsFrame()
    {
        Picture current;
        QVERIFY(current.loadFromFile(testData("picture.bmp")));
        SolutionDialog dialog(current, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage shot = dialog.grab().toImage();
        const QRect frame = dialog.pictureFrame();
        // The shot is in device pixels; the frame in the dialog's own.
        const auto at = [&](int x, int y) {
            return shot.pixelColor((QPointF(x, y) * shot.devicePixelRatio()).toPoint());
        };
        QVERIFY(at(frame.left() + 8, frame.top() + 14).red() > 150);
        QVERIFY(at(frame.right() - 4, frame.bottom() - 4).blue() > 150);
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
        Picture current;
        QVERIFY(current.loadBuiltIn());
        QPointer<SolutionDialog> dialog = new SolutionDialog(current, nullptr);
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
