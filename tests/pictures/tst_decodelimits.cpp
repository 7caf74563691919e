// Tests of the decoding limits: a small file whose header promises more pixels than may be held
// or read is refused before a pixel is decoded; the largest within them show true colours; and
// the averaging down sees every pixel, in every pixel format, on white.
#include "colours.h"
#include "hostilepictures.h"
#include "pictures/downscale.h"
#include "pictures/picture.h"
#include "testregistry.h"

#include <QTest>

namespace {
const PictureFit Board = [](QSize) {
    return QSize(700, 700);
};

bool near(QRgb a, QRgb b)
{
    return nearColour(QColor(a), QColor(b), 3);
}

// Half-value samples laid on white at half opacity.
const QRgb HalfOnWhite = qRgb(191, 191, 191);
const QRgb Half = qRgb(128, 128, 128);
} // namespace

class TestDecodeLimits : public QObject {
    Q_OBJECT

private slots:
    void hugePromisesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        using T = PngColourType;
        QTest::newRow("16-bit RGBA PNG, 5100 x 5100") << flatPng({5100, 5100}, T::Rgba, 16);
        QTest::newRow("16-bit grey PNG, 10100 x 10100") << flatPng({10100, 10100}, T::Grey, 16);
        QTest::newRow("8-bit RGB PNG, 7200 x 7200") << flatPng({7200, 7200}, T::Truecolour, 8);
        QTest::newRow("16-bit RGBA TIFF, 5100 x 5100") << flatTiff({5100, 5100}, 4);
        QTest::newRow("16-bit grey TIFF, 10100 x 10100") << flatTiff({10100, 10100}, 1);
        QTest::newRow("animated WebP, 7200 x 7200 canvas") << animatedWebp({7200, 7200});
        QTest::newRow("24-byte GIF of 1025 x 65280")
            << QByteArray::fromBase64("R0lGODlhABAAAAAAACwBBAD/AAAAAADz");
    }
    void hugePromisesAreRefused()
    {
        QFETCH(QByteArray, file);
        Picture picture;
        QVERIFY(!picture.loadFromMemory(file, Board));
        QVERIFY(picture.isEmpty());
    }

    void theLargestWithinTheLimitsShowTheirColours_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<QRgb>("colour");
        using T = PngColourType;
        QTest::newRow("16-bit RGBA PNG")
            << flatPng({5000, 5000}, T::Rgba, 16) << QSize(5000, 5000) << HalfOnWhite;
        QTest::newRow("16-bit grey PNG")
            << flatPng({10000, 10000}, T::Grey, 16) << QSize(10000, 10000) << Half;
        QTest::newRow("8-bit RGB PNG")
            << flatPng({7000, 7000}, T::Truecolour, 8) << QSize(7000, 7000) << Half;
        // One bit a pixel: the most pixels any picture may have, in 16 MiB.
        QTest::newRow("1-bit palette PNG")
            << flatPng({11585, 11585}, T::Palette, 1) << QSize(11585, 11585) << qRgb(64, 64, 64);
        QTest::newRow("16-bit RGBA TIFF")
            << flatTiff({5000, 5000}, 4) << QSize(5000, 5000) << HalfOnWhite;
        QTest::newRow("16-bit grey TIFF")
            << flatTiff({10000, 10000}, 1) << QSize(10000, 10000) << Half;
        // Two small frames in the corner of a canvas left transparent.
        QTest::newRow("animated WebP")
            << animatedWebp({4000, 4000}) << QSize(4000, 4000) << qRgb(255, 255, 255);
    }
    void theLargestWithinTheLimitsShowTheirColours()
    {
        QFETCH(QByteArray, file);
        QFETCH(QSize, natural);
        QFETCH(QRgb, colour);
        Picture picture;
        QVERIFY(picture.loadFromMemory(file, Board));
        QCOMPARE(picture.size(), natural);
        QCOMPARE(picture.pixels().size(), QSize(700, 700));
        for (const QPoint at : {QPoint(350, 350), QPoint(699, 699), QPoint(0, 699)})
            QVERIFY2(near(picture.pixels().pixel(at), colour),
                     qPrintable(QColor(picture.pixels().pixel(at)).name()));
    }

    // Stripes one pixel wide average to their mean, whatever the pixel format: no pixel is
    // skipped, and a palette's colours are its own, not black and white.
    void averagesEveryPixel_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QRgb>("mean");
        QTest::newRow("truecolour") << QImage::Format_RGB32 << qRgb(128, 128, 128);
        QTest::newRow("1 bit, red and blue") << QImage::Format_Mono << qRgb(128, 0, 128);
        QTest::newRow("8-bit palette") << QImage::Format_Indexed8 << qRgb(128, 0, 128);
        QTest::newRow("16-bit grey") << QImage::Format_Grayscale16 << qRgb(128, 128, 128);
        QTest::newRow("16-bit RGBA") << QImage::Format_RGBA64 << qRgb(128, 128, 128);
    }
    void averagesEveryPixel()
    {
        QFETCH(QImage::Format, format);
        QFETCH(QRgb, mean);
        QImage stripes(1000, 90, format);
        const bool palette = format == QImage::Format_Mono || format == QImage::Format_Indexed8;
        if (palette)
            stripes.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
        for (int y = 0; y < stripes.height(); ++y)
            for (int x = 0; x < stripes.width(); ++x)
                if (palette)
                    stripes.setPixel(x, y, uint(x % 2));
                else
                    stripes.setPixelColor(x, y, x % 2 == 0 ? Qt::black : Qt::white);
        const QImage shown = downscaledOpaque(stripes, {100, 31});
        QCOMPARE(shown.size(), QSize(100, 31));
        QCOMPARE(shown.format(), QImage::Format_RGB32);
        for (const QPoint at : {QPoint(0, 0), QPoint(46, 15), QPoint(99, 30)})
            QVERIFY2(near(shown.pixel(at), mean), qPrintable(QColor(shown.pixel(at)).name()));
    }

    void laysTransparencyOnWhite_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("8 bits") << QImage::Format_ARGB32;
        QTest::newRow("16 bits") << QImage::Format_RGBA64;
    }
    void laysTransparencyOnWhite()
    {
        QFETCH(QImage::Format, format);
        QImage half(64, 64, format);
        half.fill(QColor(255, 0, 0, 128));
        for (const QSize wanted : {QSize(64, 64), QSize(20, 10)}) {
            const QImage shown = downscaledOpaque(half, wanted);
            QCOMPARE(shown.size(), wanted);
            QVERIFY2(near(shown.pixel(5, 5), qRgb(255, 127, 127)),
                     qPrintable(QColor(shown.pixel(5, 5)).name()));
        }
    }

    void refusesToEnlarge()
    {
        QImage small(10, 10, QImage::Format_RGB32);
        small.fill(Qt::red);
        QVERIFY(downscaledOpaque(small, {11, 5}).isNull());
        QVERIFY(downscaledOpaque(QImage(), {1, 1}).isNull());
    }
};

TW_REGISTER_TEST(TestDecodeLimits)
#include "tst_decodelimits.moc"
