// Tests of the HEIF, AVIF and JPEG XL decoders: what phones and editors save reads as it shows.
#include "codecs/signatures.h"
#include "colours.h"
#include "photoencoder.h"
#include "pictures/entrypreview.h"
#include "pictures/picture.h"
#include "pictures/pictureformats.h"
#include "pictures/zippicturesource.h"
#include "testregistry.h"
#include "testzip.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PhotoCodec)

namespace {
const QColor Red(220, 40, 40);
const QColor Blue(40, 80, 220);

// Stored 60 x 40: red on the left half, blue on the right.
QImage halves(const QColor& left = Red, const QColor& right = Blue)
{
    QImage image(60, 40, QImage::Format_RGBA8888);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, 30, 40, left);
    return image;
}

bool near(const QImage& pixels, QPoint at, const QColor& expected)
{
    return nearColour(pixels.pixelColor(at), expected, 24);
}

void addCodecs()
{
    QTest::addColumn<PhotoCodec>("codec");
    QTest::newRow("heic") << PhotoCodec::Heif;
    QTest::newRow("avif") << PhotoCodec::Avif;
    QTest::newRow("jxl") << PhotoCodec::Jxl;
}
} // namespace

class TestPhotoCodecs : public QObject {
    Q_OBJECT

private slots:
    void signatures_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<std::optional<PhotoCodec>>("codec");
        const auto ftyp = [](QByteArray brands) {
            QByteArray box = QByteArray::fromHex("00000000") + "ftyp" + brands;
            box[3] = static_cast<char>(box.size());
            return box;
        };
        QTest::newRow("iPhone") << ftyp("heic\0\0\0\0mif1heicmiaf"_qba)
                                << std::optional(PhotoCodec::Heif);
        QTest::newRow("AVIF on HEIF")
            << ftyp("mif1\0\0\0\0mif1avifmiaf"_qba) << std::optional(PhotoCodec::Avif);
        QTest::newRow("MP4 video")
            << ftyp("isom\0\0\0\0isomavc1mp41"_qba) << std::optional<PhotoCodec>();
        // A brand past the box's declared end belongs to the next box.
        QTest::newRow("brand beyond the box")
            << ftyp("isom\0\0\0\0").append("avif") << std::optional<PhotoCodec>();
        QTest::newRow("JXL codestream")
            << QByteArray::fromHex("ff0afa") << std::optional(PhotoCodec::Jxl);
        QTest::newRow("JXL container")
            << QByteArray::fromHex("0000000c4a584c200d0a870a") << std::optional(PhotoCodec::Jxl);
        QTest::newRow("short") << QByteArray("\0\0\0\x18"
                                             "ft",
                                             6)
                               << std::optional<PhotoCodec>();
    }
    void signatures()
    {
        QFETCH(QByteArray, head);
        QFETCH(std::optional<PhotoCodec>, codec);
        QCOMPARE(photoCodecOf(head), codec);
    }

    void upright_data() { addCodecs(); }
    void upright()
    {
        // Orientation 6: the stored picture turns a quarter clockwise, so red comes on top.
        QFETCH(PhotoCodec, codec);
        const QByteArray file = encodedPhoto(codec, {halves()}, {.orientation = 6});
        QVERIFY(!file.isEmpty());
        Picture picture;
        QVERIFY(picture.loadFromMemory(file));
        QCOMPARE(picture.size(), QSize(40, 60));
        QVERIFY(near(picture.pixels(), {20, 10}, Red));
        QVERIFY(near(picture.pixels(), {20, 50}, Blue));
    }

    void deepAndTransparent_data()
    {
        QTest::addColumn<PhotoCodec>("codec");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("alpha");
        QTest::newRow("heic, 10 bits") << PhotoCodec::Heif << 10 << false;
        // A deep AVIF comes from avifenc in the end-to-end test: libheif's AV1 encoder fails.
        QTest::newRow("jxl, 16 bits") << PhotoCodec::Jxl << 16 << false;
        QTest::newRow("heic, alpha") << PhotoCodec::Heif << 8 << true;
        QTest::newRow("avif, alpha") << PhotoCodec::Avif << 8 << true;
        QTest::newRow("jxl, 16 bits and alpha") << PhotoCodec::Jxl << 16 << true;
    }
    void deepAndTransparent()
    {
        // Deeper channels come to their colours; a clear right half lies on white.
        QFETCH(PhotoCodec, codec);
        QFETCH(int, bits);
        QFETCH(bool, alpha);
        const QColor right = alpha ? QColor(Qt::transparent) : Blue;
        const QByteArray file =
            encodedPhoto(codec, {halves(Red, right)}, {.bits = bits, .alpha = alpha});
        QVERIFY(!file.isEmpty());
        Picture picture;
        QVERIFY(picture.loadFromMemory(file));
        QVERIFY(near(picture.pixels(), {10, 20}, Red));
        QVERIFY(near(picture.pixels(), {50, 20}, alpha ? QColor(Qt::white) : Blue));
    }

    void animationShowsItsFirstPicture()
    {
        const QByteArray file =
            encodedPhoto(PhotoCodec::Jxl, {halves(Red, Red), halves(Blue, Blue)});
        Picture picture;
        QVERIFY(picture.loadFromMemory(file));
        QVERIFY(near(picture.pixels(), {50, 20}, Red));
    }

    void cutShortOrForgedFails_data() { addCodecs(); }
    void cutShortOrForgedFails()
    {
        QFETCH(PhotoCodec, codec);
        const QByteArray file = encodedPhoto(codec, {halves()});
        Picture picture;
        QVERIFY(!picture.loadFromMemory(file.first(file.size() * 2 / 3)));
        QVERIFY(!picture.loadFromMemory(file.first(SignatureBytes)));
    }

    void eachIsInTheTable_data() { addCodecs(); }
    void eachIsInTheTable()
    {
        QFETCH(PhotoCodec, codec);
        const QByteArray file = encodedPhoto(codec, {halves()});
        int signed_ = 0;
        for (const PictureFormat& format : pictureFormats())
            signed_ += format.hasSignature != nullptr && format.hasSignature(file) ? 1 : 0;
        QCOMPARE(signed_, 1); // the archive's check knows it, as exactly one format
    }

    void archiveEntriesCountByTheirSignature()
    {
        // Each turned a quarter; an AVIF named .heic or a PNG named .jxl is refused.
        const auto photo = [](PhotoCodec codec) {
            return encodedPhoto(codec, {halves()}, {.orientation = 6});
        };
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("phone.zip"));
        QVERIFY(writeTestZip(path, {{"IMG_0001.HEIC", photo(PhotoCodec::Heif)},
                                    {"avif-named.heic", photo(PhotoCodec::Avif)},
                                    {"b.avif", photo(PhotoCodec::Avif)},
                                    {"png-named.jxl", encodedPicture(40, 30, "PNG")},
                                    {"c.jxl", photo(PhotoCodec::Jxl)}}));
        ZipPictureSource zip;
        QVERIFY(zip.open(path));
        QCOMPARE(zip.count(), 3);
        QStringList names;
        do {
            names << zip.currentName();
            Picture picture;
            QVERIFY(showCurrentEntry(zip, picture).isEmpty());
            QCOMPARE(picture.size(), QSize(40, 60));
        } while (zip.goToNextPicture());
        QCOMPARE(names, QStringList({"IMG_0001.HEIC", "b.avif", "c.jxl"}));
    }
};

TW_REGISTER_TEST(TestPhotoCodecs)
#include "tst_photocodecs.moc"
