// Tests of Picture: decoding by content, hostile files, the built-in picture and drawing.
#include "pictures/picture.h"
#include "pictures/zippicturesource.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QColor Red(230, 60, 40); // the test pictures' top-left quarter
const QColor Blue(40, 120, 200);

bool near(QColor actual, QColor expected)
{
    return std::abs(actual.red() - expected.red()) < 24 &&
           std::abs(actual.green() - expected.green()) < 24 &&
           std::abs(actual.blue() - expected.blue()) < 24;
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
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
        QTest::newRow("empty file") << testData("empty.jpg");
        QTest::newRow("text named .jpg") << testData("text.jpg");
        QTest::newRow("truncated jpeg") << testData("truncated.jpg");
        QTest::newRow("100000 x 100000 bmp header") << testData("huge-header.bmp");
        QTest::newRow("40-byte gif") << testData("tiny.gif");
        QTest::newRow("zip archive") << testData("three.zip");
        QTest::newRow("missing file") << testData("no-such-picture.jpg");
        QTest::newRow("a folder") << QStringLiteral(TW_TEST_DATA);
        QTest::newRow("endless device") << QStringLiteral("/dev/zero");
        QTest::newRow("1000-character name") << QString(1000, QLatin1Char('p'));
    }

    void hostileFilesLeaveItEmpty()
    {
        QFETCH(QString, path);
        Picture picture;
        QVERIFY(picture.loadFromFile(testData("picture.bmp")));
        QVERIFY(!picture.loadFromFile(path));
        QVERIFY(picture.isEmpty());
        QCOMPARE(picture.width(), 0);
        QCOMPARE(picture.height(), 0);
        QVERIFY(picture.saveEncoded().isEmpty());
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

    void drawInFrameLeavesTheCaptionLine()
    {
        Picture picture;
        QVERIFY(picture.loadFromFile(testData("picture.bmp")));
        QImage canvas = blank(200, 200);
        QPainter painter(&canvas);
        QVERIFY(drawInFrame(&painter, picture, QRect(10, 20, 100, 80)));
        painter.end();
        QCOMPARE(canvas.pixelColor(12, 50), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(50, 28), QColor(Qt::white));
        QVERIFY(near(canvas.pixelColor(14, 30), Red));
        QVERIFY(near(canvas.pixelColor(108, 98), Blue));
        QCOMPARE(canvas.pixelColor(111, 98), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(108, 101), QColor(Qt::white));
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

TW_REGISTER_TEST(TestPicture)
#include "tst_picture.moc"
