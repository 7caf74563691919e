// makecorpus: writes the hostile and the well-formed files that the picture tests and the
// fuzzers start from. Usage: makecorpus FOLDER
#include "../../resources/art/gifwriter.h"
#include "photoencoder.h"
#include "pngwriter.h"
#include "testzip.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

namespace {
QDir corpus;

bool put(const char* name, const QByteArray& bytes)
{
    QFile file(corpus.filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool zip(const char* name, const std::vector<TestZipEntry>& entries)
{
    return writeTestZip(corpus.filePath(QString::fromLatin1(name)), entries);
}

QByteArray gif(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(250, 200, 40));
    return encodeGif(image);
}

// A JFIF JPEG turned Exif: the APP0 segment swapped for a minimal APP1 Exif segment.
QByteArray exifJpeg()
{
    const QByteArray jfif = encodedPicture(48, 32, "JPG");
    const int app0Length = qFromBigEndian<quint16>(jfif.constData() + 4);
    const QByteArray app1 = QByteArray::fromHex("ffe10016") + QByteArray("Exif\0\0", 6) +
                            QByteArray::fromHex("49492a000800000000000000000000");
    return jfif.left(2) + app1.left(2 + 0x16) + jfif.mid(4 + app0Length);
}

// A BMP header that claims 100000 x 100000 pixels of 24 bits over a few bytes of data.
QByteArray hugeBmp()
{
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54 + 64, header.data() + 2);
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(100000, header.data() + 18);
    qToLittleEndian<qint32>(100000, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(24, header.data() + 28);
    return header + QByteArray(64, '\x55');
}
// Small pictures of every colour type and bit depth the formats allow, as seeds from which
// the picture fuzzer reaches every decoder path.
bool writeSeeds(const QDir& seeds)
{
    QImage quarters(16, 12, QImage::Format_RGB32);
    quarters.fill(QColor(230, 60, 40));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x < 8) != (y < 6))
                quarters.setPixelColor(x, y, y < 6 ? QColor(40, 200, 80) : QColor(40, 120, 200));
    QImage twoColours = quarters.convertToFormat(QImage::Format_Mono);
    twoColours.setColorTable({qRgb(0, 255, 255), qRgb(255, 0, 0)});
    struct Seed {
        const char* name;
        QByteArray bytes;
    };
    using T = PngColourType;
    const Seed all[] = {
        {"grey1.png", encodePng(twoColours, T::Grey, 1)},
        {"grey2.png", encodePng(quarters, T::Grey, 2)},
        {"grey4.png", encodePng(quarters, T::Grey, 4)},
        {"grey8.png", encodePng(quarters, T::Grey, 8)},
        {"grey16.png", encodePng(quarters, T::Grey, 16)},
        {"truecolour8.png", encodePng(quarters, T::Truecolour, 8)},
        {"truecolour16.png", encodePng(quarters, T::Truecolour, 16)},
        {"palette1.png", encodePng(twoColours, T::Palette, 1)},
        {"palette2.png", encodePng(quarters, T::Palette, 2)},
        {"palette4.png", encodePng(quarters, T::Palette, 4)},
        {"palette8.png", encodePng(quarters, T::Palette, 8)},
        {"greyalpha8.png", encodePng(quarters, T::GreyAlpha, 8)},
        {"greyalpha16.png", encodePng(quarters, T::GreyAlpha, 16)},
        {"rgba8.png", encodePng(quarters, T::Rgba, 8)},
        {"rgba16.png", encodePng(quarters, T::Rgba, 16)},
        {"palette1.bmp", encodePaletteBmp(twoColours, 1)},
        {"palette4.bmp", encodePaletteBmp(quarters, 4)},
        {"palette8.bmp", encodePaletteBmp(quarters, 8)},
        {"truecolour.bmp", encoded(quarters, "BMP")},
        {"mono.tif", encoded(twoColours, "TIFF")},
        {"truecolour.tif", encoded(quarters, "TIFF")},
        {"truecolour.webp", encoded(quarters, "WEBP")},
        {"quarters.gif", encodeGif(quarters)},
        {"quarters.jpg", encoded(quarters, "JPG")},
        {"turned.heic", encodedPhoto(PhotoCodec::Heif, {quarters}, {.orientation = 6})},
        {"deep.heic", encodedPhoto(PhotoCodec::Heif, {quarters}, {.bits = 10})},
        {"mirrored.avif", encodedPhoto(PhotoCodec::Avif, {quarters}, {.orientation = 2})},
        {"alpha.avif", encodedPhoto(PhotoCodec::Avif, {quarters}, {.alpha = true})},
        {"turned.jxl", encodedPhoto(PhotoCodec::Jxl, {quarters}, {.orientation = 8})},
        {"deepalpha.jxl", encodedPhoto(PhotoCodec::Jxl, {quarters}, {.bits = 16, .alpha = true})},
        {"animated.jxl", encodedPhoto(PhotoCodec::Jxl, {quarters, twoColours})},
    };
    bool ok = true;
    for (const Seed& seed : all) {
        QFile file(seeds.filePath(QString::fromLatin1(seed.name)));
        ok = file.open(QIODevice::WriteOnly) && file.write(seed.bytes) == seed.bytes.size() && ok;
    }
    return ok;
}
} // namespace

// Usage: makecorpus CORPUS_FOLDER [SEEDS_FOLDER]
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3)
        return 2;
    if (argc == 3 && !writeSeeds(QDir(QString::fromLocal8Bit(argv[2]))))
        return 1;
    corpus = QDir(QString::fromLocal8Bit(argv[1]));
    const QByteArray jpeg = encodedPicture(48, 32, "JPG");
    const QByteArray bmp = encodedPicture(40, 30, "BMP");
    const QByteArray smallGif = gif(36, 24);
    const QByteArray tinyGif = gif(1, 1).left(40);
    const QByteArray png = encodedPicture(40, 30, "PNG");
    const QByteArray webp = encodedPicture(40, 30, "WEBP");
    const QByteArray tiff = encodedPicture(40, 30, "TIFF");
    const QByteArray threeZip = [&] {
        const QString path = corpus.filePath(QStringLiteral("three.zip"));
        writeTestZip(path, {{"one.jpg", jpeg},
                            {"notes.txt", "not a picture"},
                            {"two.BMP", bmp},
                            {"three.gif", smallGif}});
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const bool ok =
        put("picture.jpg", jpeg) && put("picture.bmp", bmp) && put("picture.gif", smallGif) &&
        put("exif.jpg", exifJpeg()) && put("jpeg-named.bmp", jpeg) && put("PHOTO.JPG", jpeg) &&
        put("empty.jpg", {}) && put("text.jpg", "This is a shopping list, not a picture.\n") &&
        put("truncated.jpg", jpeg.left(jpeg.size() / 2)) && put("huge-header.bmp", hugeBmp()) &&
        put("tiny.gif", tinyGif) && put("not-a-zip.zip", "PK but not really an archive\n") &&
        put("truncated.zip", threeZip.left(threeZip.size() / 2)) && !threeZip.isEmpty() &&
        zip("mixed.zip", {{"a.txt", "hello"}, {"pics/", {}}, {"b.JPG", jpeg}}) &&
        zip("jpeg-only.zip", {{"photo.jpeg", jpeg}}) &&
        zip("fake-bmp.zip", {{"fake.bmp", "BM" + QByteArray(98, 'x')}, {"real.jpg", jpeg}}) &&
        zip("tiny-gif.zip", {{"tiny.gif", tinyGif}}) &&
        zip("declared-4gib.zip", {{"huge.jpg", jpeg, 0xFFFFFFFFu}}) &&
        zip("declared-300mib.zip", {{"large.jpg", jpeg, 300u * 1024 * 1024}}) &&
        zip("bad-crc.zip", {{"broken.jpg", jpeg, std::nullopt, 0x12345678u}}) &&
        zip("short-data.zip", {{"short.jpg", jpeg, static_cast<quint32>(jpeg.size() + 100)}}) &&
        zip("encrypted.zip", {{"secret.jpg", jpeg, std::nullopt, std::nullopt, true}}) &&
        zip("folders-only.zip", {{"pictures/", {}}, {"pictures/old.jpg/", {}}}) &&
        zip("long-name.zip", {{QByteArray(996, 'n') + ".jpg", jpeg}}) && zip("empty.zip", {}) &&
        put("picture.png", png) && put("picture.webp", webp) && put("picture.tif", tiff) &&
        put("png-named.jpg", png) &&
        zip("later-formats.zip", {{"a.png", png},
                                  {"b.webp", webp},
                                  {"c.tif", tiff},
                                  {"d.TIFF", tiff},
                                  {"text.png", QByteArray(80, 'p')},
                                  {"png-named.jpg", png},
                                  {"tiff-named.webp", tiff}});
    return ok ? 0 : 1;
}
