// Tests of Picture: decoding by content, hostile files, the built-in picture and drawing.
#include "colours.h"
#include "pictures/picture.h"
#include "pictures/pictureformats.h"
#include "pictures/zippicturesource.h"
#include "testfiles.h"
#include "testregistry.h"
#include "testzip.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <zlib.h>

Q_DECLARE_METATYPE(PictureFault)

namespace {
const QColor Red(230, 60, 40); // the test pictures' top-left quarter
const QColor Blue(40, 120, 200);

// JPEG and smooth scaling leave a quarter's colour within this much.
bool near(const QColor& actual, const QColor& expected)
{
    return nearColour(actual, expected, 23);
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A PNG whose header promises the given size over the pixels of a tiny picture, with a
// correct checksum, so only the size gives it away.
QByteArray forgedPng(quint32 width, quint32 height)
{
    QByteArray png = encodedPicture(4, 4, "PNG");
    const auto put = [&png](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            png[at + i] = static_cast<char>(value >> (24 - 8 * i));
    };
    put(16, width); // IHDR's data starts at 16, after the signature, length and type
    put(20, height);
    const QByteArray chunk = png.mid(12, 4 + 13);
    put(29, static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(chunk.constData()),
                                       static_cast<uInt>(chunk.size()))));
    return png;
}

PictureFit fixed(QSize size)
{
    return [size](QSize) {
        return size;
    };
}
} // namespace

class TestPicture : public QObject {
    Q_OBJECT

private slots:
    void formatComesFromTheBytes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::newRow("jfif jpeg") << "picture.jpg" << QSize(48, 32);
        QTest::newRow("exif jpeg") << "exif.jpg" << QSize(48, 32);
        QTest::newRow("bmp") << "picture.bmp" << QSize(40, 30);
        QTest::newRow("gif") << "picture.gif" << QSize(36, 24);
        QTest::newRow("jpeg named .bmp") << "jpeg-named.bmp" << QSize(48, 32);
        QTest::newRow("capital name") << "PHOTO.JPG" << QSize(48, 32);
        QTest::newRow("png") << "picture.png" << QSize(40, 30);
        QTest::newRow("webp") << "picture.webp" << QSize(40, 30);
        QTest::newRow("tiff") << "picture.tif" << QSize(40, 30);
        QTest::newRow("png named .jpg") << "png-named.jpg" << QSize(40, 30);
    }

    void formatComesFromTheBytes()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        Picture picture;
        QVERIFY(picture.loadFromFile(testData(file)));
        QCOMPARE(QSize(picture.width(), picture.height()), size);
        QCOMPARE(picture.saveEncoded(), readFile(testData(file)));
    }

    void hostileFilesLeaveItEmpty_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<PictureFault>("fault");
        const auto row = [](const char* name, const QString& path, PictureFault fault) {
            QTest::newRow(name) << path << fault;
        };
        using F = PictureFault;
        row("empty file", testData("empty.jpg"), F::Damaged);
        row("text named .jpg", testData("text.jpg"), F::UnknownFormat);
        row("truncated jpeg", testData("truncated.jpg"), F::Damaged);
        row("100000 x 100000 bmp header", testData("huge-header.bmp"), F::Damaged); // Qt refuses it
        row("40-byte gif", testData("tiny.gif"), F::Damaged);
        row("zip archive", testData("three.zip"), F::UnknownFormat);
        row("missing file", testData("no-such-picture.jpg"), F::Unreadable);
        row("a folder", QStringLiteral(TW_TEST_DATA), F::Unreadable);
        row("endless device", QStringLiteral("/dev/zero"), F::Unreadable);
        row("1000-character name", QString(1000, QLatin1Char('p')), F::Unreadable);
    }

    void hostileFilesLeaveItEmpty()
    {
        QFETCH(QString, path);
        QFETCH(PictureFault, fault);
        Picture picture;
        QVERIFY(picture.loadFromFile(testData("picture.bmp")));
        QCOMPARE(picture.loadFromFile(path).fault, fault);
        QVERIFY(picture.isEmpty());
        QCOMPARE(picture.width(), 0);
        QCOMPARE(picture.height(), 0);
        QVERIFY(picture.saveEncoded().isEmpty());
    }

    void tooLargeSaysByHowMuch()
    {
        // Pixels by the header's promise, bytes by the file's length (a sparse file).
        Picture picture;
        const PictureLoad pixels = picture.loadFromMemory(forgedPng(12000, 12000));
        QCOMPARE(pixels.fault, PictureFault::TooLarge);
        QCOMPARE(pixels.pixels, QSize(12000, 12000));
        QTemporaryDir dir;
        QFile large(dir.filePath(QStringLiteral("large.png")));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(MaxPictureBytes + 1));
        large.close();
        const PictureLoad bytes = picture.loadFromFile(large.fileName());
        QCOMPARE(bytes.fault, PictureFault::TooLarge);
        QCOMPARE(bytes.bytes, MaxPictureBytes + 1);
    }

    void laterFormatsShowTheirPixels_data()
    {
        QTest::addColumn<QByteArray>("format");
        for (const char* format : {"PNG", "WEBP", "TIFF", "BMP", "JPG"})
            QTest::newRow(format) << QByteArray(format);
    }

    void laterFormatsShowTheirPixels()
    {
        QFETCH(QByteArray, format);
        Picture picture;
        QVERIFY(picture.loadFromMemory(encodedPicture(40, 30, format.constData())));
        QCOMPARE(picture.pixels().size(), QSize(40, 30));
        QVERIFY(near(picture.pixels().pixelColor(5, 5), Red));
        QVERIFY(near(picture.pixels().pixelColor(35, 25), Blue));
    }

    void transparentPartsLieOnWhite()
    {
        QImage image(20, 20, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        Picture picture;
        QVERIFY(picture.loadFromMemory(encoded(image, "PNG")));
        QCOMPARE(picture.pixels().pixelColor(10, 10), QColor(Qt::white));
        QVERIFY(!picture.pixels().hasAlphaChannel());
    }

    void decodesOnlyWhatTheFitAsks_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("jpeg, reduced by the decoder") << QByteArray("JPG");
        QTest::newRow("png, decoded whole and scaled") << QByteArray("PNG");
    }

    void decodesOnlyWhatTheFitAsks()
    {
        QFETCH(QByteArray, format);
        Picture picture;
        QSize asked;
        const auto fit = [&asked](QSize natural) {
            return asked = natural / 4;
        };
        QVERIFY(picture.loadFromMemory(encodedPicture(1600, 1200, format.constData()), fit));
        QCOMPARE(asked, QSize(400, 300)); // asked with the size from the header
        QCOMPARE(picture.size(), QSize(1600, 1200));
        QCOMPARE(picture.pixels().size(), QSize(400, 300));
        QVERIFY(near(picture.pixels().pixelColor(100, 75), Red));
        QVERIFY(near(picture.pixels().pixelColor(300, 225), Blue));
        // Never more pixels than the picture has.
        QVERIFY(picture.loadFromMemory(encodedPicture(40, 30, format.constData()),
                                       fixed({4000, 3000})));
        QCOMPARE(picture.pixels().size(), QSize(40, 30));
    }

    void orientationTurnsTheNaturalSize()
    {
        // Stored 60 x 40, red on the left; turned a quarter clockwise, red is on top.
        QImage stored(60, 40, QImage::Format_RGB32);
        stored.fill(Blue);
        QPainter(&stored).fillRect(0, 0, 30, 40, Red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(stored));
        Picture picture;
        QVERIFY(picture.loadFromMemory(bytes, fixed({20, 30})));
        QCOMPARE(picture.size(), QSize(40, 60));
        QCOMPARE(picture.pixels().size(), QSize(20, 30));
        QVERIFY(near(picture.pixels().pixelColor(10, 5), Red));
        QVERIFY(near(picture.pixels().pixelColor(10, 25), Blue));
    }

    void largePhotosLoad()
    {
        // 48 megapixels: more than Qt lets a reader allocate unless asked.
        const QByteArray png = encodedPicture(8000, 6000, "PNG");
        Picture picture;
        QVERIFY(picture.loadFromMemory(png, fixed({1000, 750})));
        QCOMPARE(picture.size(), QSize(8000, 6000));
        QCOMPARE(picture.pixels().size(), QSize(1000, 750));
        QVERIFY(near(picture.pixels().pixelColor(900, 700), Blue));
    }

    void forgedHeadersAreRefusedBeforeAnyDecoding()
    {
        Picture picture;
        QVERIFY(picture.loadFromMemory(forgedPng(4, 4)));
        QVERIFY(!picture.loadFromMemory(forgedPng(12000, 12000))); // 144 megapixels
        QVERIFY(!picture.loadFromMemory(forgedPng(0x7fffffff, 2)));
        QVERIFY(picture.isEmpty());
    }

    void coverDecodesAgainOnlyWhenThePixelsFallShort()
    {
        Picture picture;
        QVERIFY(picture.loadFromMemory(encodedPicture(1600, 1200, "JPG"), fixed({400, 300})));
        const qint64 first = picture.pixels().cacheKey();
        QVERIFY(picture.cover({390, 300}));
        QCOMPARE(picture.pixels().cacheKey(), first);
        QVERIFY(picture.cover({800, 600}));
        QCOMPARE(picture.pixels().size(), QSize(800, 600));
        QCOMPARE(picture.saveEncoded(), encodedPicture(1600, 1200, "JPG"));
        // Asking for more than the picture has gives all of it, once.
        QVERIFY(picture.cover({5000, 5000}));
        const qint64 whole = picture.pixels().cacheKey();
        QCOMPARE(picture.pixels().size(), QSize(1600, 1200));
        QVERIFY(picture.cover({5000, 5000}));
        QCOMPARE(picture.pixels().cacheKey(), whole);
        Picture empty;
        QVERIFY(!empty.cover({10, 10}));
    }

    void aCopyForAWindowSharesTheBytes()
    {
        Picture board;
        QVERIFY(board.loadFromMemory(encodedPicture(800, 600, "JPG"), fixed({400, 300})));
        Picture preview;
        QVERIFY(preview.loadFrom(board, fixed({200, 150})));
        QCOMPARE(preview.size(), QSize(800, 600));
        QCOMPARE(preview.pixels().size(), QSize(200, 150));
        QCOMPARE(preview.saveEncoded().constData(), board.saveEncoded().constData());
        QVERIFY(near(preview.pixels().pixelColor(50, 40), Red));
        Picture empty;
        QVERIFY(!preview.loadFrom(empty, fixed({10, 10})));
        QVERIFY(preview.isEmpty());
    }

    void fifosAreNeverOpened()
    {
        // Opening a FIFO that no one writes to would block for good.
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("x.jpg"));
        const QString archive = dir.filePath(QStringLiteral("x.zip"));
        QVERIFY(makeFifo(picture));
        QVERIFY(makeFifo(archive));
        Picture loaded;
        QVERIFY(!loaded.loadFromFile(picture));
        ZipPictureSource zip;
        QVERIFY(!zip.open(archive));
        QVERIFY(!ZipPictureSource::containsPicture(archive));
    }

    void memoryLoadsAreBounded()
    {
        Picture picture;
        QVERIFY(!picture.loadFromMemory(QByteArray()));
        QVERIFY(!picture.loadFromMemory(QByteArray(1000, '\0')));
        QVERIFY(picture.loadFromMemory(readFile(testData("picture.gif"))));
    }

    void builtInPicture()
    {
        Picture picture;
        QVERIFY(picture.loadFromResource(QStringLiteral("IDR_BMP2"), QStringLiteral("BMP")));
        QCOMPARE(picture.width(), 350);
        QCOMPARE(picture.height(), 351);
        const QByteArray bytes = picture.saveEncoded();
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(static_cast<int>(bytes[28]), 24); // bits per pixel
        QVERIFY(!picture.loadFromResource(QStringLiteral("IDR_BMP3"), QStringLiteral("BMP")));
        QVERIFY(picture.isEmpty());
    }

    void drawStretchesTheSourceRectangle()
    {
        Picture picture;
        QImage canvas = blank(100, 50);
        QPainter painter(&canvas);
        QVERIFY(!picture.draw(&painter, canvas.rect(), QRect(0, 0, 10, 10)));
        QVERIFY(picture.loadFromFile(testData("picture.bmp")));
        QVERIFY(!picture.draw(nullptr, canvas.rect(), QRect(0, 0, 10, 10)));

        // The left half of the picture over the whole canvas: red top, blue bottom.
        QVERIFY(picture.draw(&painter, canvas.rect(), QRect(0, 0, 20, 30)));
        QVERIFY(near(canvas.pixelColor(75, 10), Red));
        QVERIFY(near(canvas.pixelColor(75, 40), Blue));
        // The whole picture: the top right is blue again.
        QVERIFY(picture.draw(&painter, canvas.rect(), QRect(0, 0, 40, 30)));
        QVERIFY(near(canvas.pixelColor(10, 10), Red));
        QVERIFY(near(canvas.pixelColor(75, 10), Blue));
    }
};

TW_REGISTER_TEST(TestPicture)
#include "tst_picture.moc"
