// Tests of every colour type and bit depth the picture formats allow: a picture of four solid
// quadrants, larger than the board, keeps its true colours when decoded at the board's size.
#include "../../resources/art/gifwriter.h"
#include "colours.h"
#include "pictures/picture.h"
#include "pngwriter.h"
#include "testregistry.h"
#include "testzip.h"

#include <QPainter>
#include <QTest>

namespace {
using Quadrants = std::array<QColor, 4>; // top left, top right, bottom left, bottom right

constexpr QSize Large(2400, 1600);
constexpr QSize Board(600, 400);

QImage quadrants(const Quadrants& colours)
{
    QImage image(Large, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = Large.width() / 2;
    const int h = Large.height() / 2;
    painter.fillRect(0, 0, w, h, colours[0]);
    painter.fillRect(w, 0, w, h, colours[1]);
    painter.fillRect(0, h, w, h, colours[2]);
    painter.fillRect(w, h, w, h, colours[3]);
    return image;
}

Quadrants greys(int a, int b, int c, int d)
{
    return {QColor(a, a, a), QColor(b, b, b), QColor(c, c, c), QColor(d, d, d)};
}

const Quadrants Colours{QColor(230, 60, 40), QColor(40, 200, 80), QColor(40, 120, 200),
                        QColor(240, 220, 30)};
const Quadrants TwoColours{QColor(0, 255, 255), QColor(255, 0, 0), QColor(255, 0, 0),
                           QColor(0, 255, 255)};

bool near(const QColor& a, const QColor& b)
{
    return nearColour(a, b, 2);
}
} // namespace

class TestPictureColours : public QObject {
    Q_OBJECT

private slots:
    void trueColoursAtTheBoardsSize_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Quadrants>("colours");
        const auto png = [](const char* name, PngColourType type, int depth,
                            const Quadrants& colours) {
            QTest::newRow(name) << encodePng(quadrants(colours), type, depth) << colours;
        };
        using T = PngColourType;
        png("PNG grey 1", T::Grey, 1, greys(0, 255, 255, 0));
        png("PNG grey 2", T::Grey, 2, greys(0, 85, 170, 255));
        png("PNG grey 4", T::Grey, 4, greys(0, 68, 153, 255));
        png("PNG grey 8", T::Grey, 8, greys(10, 90, 170, 250));
        png("PNG grey 16", T::Grey, 16, greys(10, 90, 170, 250));
        png("PNG truecolour 8", T::Truecolour, 8, Colours);
        png("PNG truecolour 16", T::Truecolour, 16, Colours);
        png("PNG palette 1", T::Palette, 1, TwoColours);
        png("PNG palette 2", T::Palette, 2, Colours);
        png("PNG palette 4", T::Palette, 4, Colours);
        png("PNG palette 8", T::Palette, 8, Colours);
        png("PNG grey and alpha 8", T::GreyAlpha, 8, greys(10, 90, 170, 250));
        png("PNG grey and alpha 16", T::GreyAlpha, 16, greys(10, 90, 170, 250));
        png("PNG RGBA 8", T::Rgba, 8, Colours);
        png("PNG RGBA 16", T::Rgba, 16, Colours);
        const auto bmp = [](const char* name, int depth, const Quadrants& colours) {
            QTest::newRow(name) << encodePaletteBmp(quadrants(colours), depth) << colours;
        };
        bmp("BMP 1-bit", 1, TwoColours);
        bmp("BMP 4-bit", 4, Colours);
        bmp("BMP 8-bit", 8, Colours);
        const Quadrants blackAndWhite = greys(0, 255, 255, 0);
        QTest::newRow("TIFF 1-bit")
            << encoded(quadrants(blackAndWhite).convertToFormat(QImage::Format_Mono), "TIFF")
            << blackAndWhite;
        QTest::newRow("GIF") << encodeGif(quadrants(Colours)) << Colours;
        QTest::newRow("GIF of two colours") << encodeGif(quadrants(TwoColours)) << TwoColours;
    }

    void trueColoursAtTheBoardsSize()
    {
        QFETCH(QByteArray, file);
        QFETCH(Quadrants, colours);
        Picture picture;
        QVERIFY(picture.loadFromMemory(file, [](QSize) { return Board; }));
        QCOMPARE(picture.size(), Large);
        const QImage& pixels = picture.pixels();
        QCOMPARE(pixels.size(), Board);
        const QPoint centres[] = {{150, 100}, {450, 100}, {150, 300}, {450, 300}};
        for (int i = 0; i < 4; ++i) {
            const QColor shown = pixels.pixelColor(centres[i]);
            QVERIFY2(near(shown, colours[i]),
                     qPrintable(QStringLiteral("quadrant %1: %2, not %3")
                                    .arg(i)
                                    .arg(shown.name(), colours[i].name())));
        }
    }
};

TW_REGISTER_TEST(TestPictureColours)
#include "tst_picturecolours.moc"
