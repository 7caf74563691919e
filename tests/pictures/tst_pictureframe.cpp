// Tests of the picture frame: a picture drawn inside a frame, and the preview's size.
#include "pictures/pictureframe.h"
#include "quarters.h"
#include "testregistry.h"

#include <QPainter>
#include <QTest>

class TestPictureFrame : public QObject {
    Q_OBJECT

private slots:
    void drawInFrameLeavesTheCaptionLine()
    {
        Picture picture;
        QVERIFY(Quarters::load(picture));
        QImage canvas(200, 200, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        QVERIFY(drawInFrame(&painter, picture, QRect(10, 20, 100, 80)));
        painter.end();
        // The inner area runs from (13, 29) to the frame's right and bottom edges.
        QCOMPARE(canvas.pixelColor(12, 50), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(50, 28), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(14, 30), Quarters::TopLeft);
        QCOMPARE(canvas.pixelColor(108, 98), Quarters::BottomRight);
        QCOMPARE(canvas.pixelColor(111, 98), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(108, 101), QColor(Qt::white));
        QVERIFY(!drawInFrame(nullptr, picture, QRect(10, 20, 100, 80)));
    }

    void frameFitAsksForTheInnerAreaInDevicePixels()
    {
        const PictureFit fit = frameFit(QRect(0, 0, 152, 133), 2);
        QCOMPARE(fit(QSize(6000, 4000)), QSize(298, 248));
        QCOMPARE(previewFit(1.5)(QSize(400, 200)), QSize(300, 150));
    }

    void previewFitsA200PixelSquare_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("400 x 200") << QSize(400, 200) << QSize(200, 100);
        QTest::newRow("400 x 300, single precision") << QSize(400, 300) << QSize(200, 149);
        QTest::newRow("300 x 400") << QSize(300, 400) << QSize(149, 200);
        QTest::newRow("square") << QSize(350, 350) << QSize(200, 200);
        QTest::newRow("empty") << QSize(0, 0) << QSize(200, 200);
    }

    void previewFitsA200PixelSquare()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, preview);
        QCOMPARE(previewSize(picture), preview);
    }
};

TW_REGISTER_TEST(TestPictureFrame)
#include "tst_pictureframe.moc"
