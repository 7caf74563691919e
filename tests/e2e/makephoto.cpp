// makephoto WIDTH HEIGHT FILE: writes a photo-like picture, in the format the name says.
// makephoto --turned ORIENTATION PICTURE FILE: writes the picture as a HEIC, AVIF or JPEG XL
// file tagged with that Exif orientation, as a phone stores a photo taken sideways.
#include "photoencoder.h"
#include "testzip.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>

namespace {
int writeTurned(int orientation, const QString& picture, const QString& path)
{
    const QImage stored(picture);
    const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
    const PhotoCodec codec = suffix == QLatin1String("heic")   ? PhotoCodec::Heif
                             : suffix == QLatin1String("avif") ? PhotoCodec::Avif
                                                               : PhotoCodec::Jxl;
    const QByteArray bytes = encodedPhoto(codec, {stored}, {.orientation = orientation});
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
               ? 0
               : 1;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // image plugins are found through it
    if (argc == 5 && QByteArray(argv[1]) == "--turned")
        return writeTurned(QByteArray(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]),
                           QString::fromLocal8Bit(argv[4]));
    if (argc != 4)
        return 2;
    const int width = QByteArray(argv[1]).toInt();
    const int height = QByteArray(argv[2]).toInt();
    QImageWriter writer(QString::fromLocal8Bit(argv[3]));
    writer.setQuality(85);
    return width > 0 && height > 0 && writer.write(photoLikeImage(width, height)) ? 0 : 1;
}
