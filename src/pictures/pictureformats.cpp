// Picture formats: every kind of picture file the game reads, in one table.
#include "pictureformats.h"

#include "codecs/signatures.h"

#include <QCoreApplication>
#include <QtPlugin>

// HEIF, AVIF and JPEG XL, for every reader of pictures in the program: whatever reads one
// asks this table first.
Q_IMPORT_PLUGIN(PhotoCodecPlugin)

namespace {
// Functions, not constants: other files' constants are made from these before main runs.
QString archivePattern()
{
    return QStringLiteral("*.zip");
}

bool startsWith(QByteArrayView head, QByteArrayView mark, qsizetype at = 0)
{
    return head.size() >= at + mark.size() && head.sliced(at, mark.size()) == mark;
}

bool pngSigned(QByteArrayView head)
{
    return startsWith(head, "\x89PNG\r\n\x1a\n");
}

bool webpSigned(QByteArrayView head)
{
    return startsWith(head, "RIFF") && startsWith(head, "WEBP", 8);
}

bool tiffSigned(QByteArrayView head)
{
    return startsWith(head, QByteArrayView("II*\0", 4)) ||
           startsWith(head, QByteArrayView("MM\0*", 4));
}

bool heifSigned(QByteArrayView head)
{
    return photoCodecOf(head) == PhotoCodec::Heif;
}

bool avifSigned(QByteArrayView head)
{
    return photoCodecOf(head) == PhotoCodec::Avif;
}

bool jxlSigned(QByteArrayView head)
{
    return photoCodecOf(head) == PhotoCodec::Jxl;
}

QStringList patternsOf(const QStringList& extensions)
{
    QStringList patterns;
    for (const QString& extension : extensions)
        patterns << QLatin1Char('*') + extension;
    return patterns;
}
} // namespace

const std::vector<PictureFormat>& pictureFormats()
{
    static const std::vector<PictureFormat> formats{
        {"bmp", "BMP", {"image/bmp"}, {".bmp"}, {".bmp"}, true, nullptr, 32, false, 1},
        {"gif", "GIF", {"image/gif"}, {".gif"}, {".gif"}, true, nullptr, 32, false, 1},
        {"jpeg", "JPEG", {"image/jpeg"}, {".jpg", ".jpeg"}, {".jpg"}, true, nullptr, 32, true, 1},
        {"png", "PNG", {"image/png"}, {".png"}, {".png"}, false, pngSigned, 64, false, 1},
        {"webp", "WebP", {"image/webp"}, {".webp"}, {".webp"}, false, webpSigned, 32, false, 1},
        {"tiff",
         "TIFF",
         {"image/tiff"},
         {".tif", ".tiff"},
         {".tif", ".tiff"},
         false,
         tiffSigned,
         128,
         false,
         1},
        // Their decoders' planes beside the 8-bit output: 1.5 to 1.8 times its size at the
        // peak, measured for 12-megapixel photos.
        {"heif",
         "HEIF",
         {"image/heif", "image/heic"},
         {".heic", ".heif"},
         {".heic", ".heif"},
         false,
         heifSigned,
         32,
         false,
         2},
        {"avif", "AVIF", {"image/avif"}, {".avif"}, {".avif"}, false, avifSigned, 32, false, 2},
        {"jxl", "JPEG XL", {"image/jxl"}, {".jxl"}, {".jxl"}, false, jxlSigned, 32, false, 2},
    };
    return formats;
}

const PictureFormat* pictureFormatNamed(const QByteArray& readerName)
{
    for (const PictureFormat& format : pictureFormats())
        if (format.readerName == readerName)
            return &format;
    return nullptr;
}

bool hasPictureExtension(const QString& path)
{
    for (const PictureFormat& format : pictureFormats())
        for (const QString& extension : format.extensions)
            if (path.endsWith(extension, Qt::CaseInsensitive))
                return true;
    return false;
}

namespace {
// The first formats' patterns, the archives', then the later formats'; the first formats
// by their usual extension alone where asked.
QStringList patterns(bool firstByUsualExtension)
{
    QStringList first;
    QStringList later;
    for (const PictureFormat& format : pictureFormats()) {
        if (!format.sinceFirstRelease)
            later << patternsOf(format.extensions);
        else if (firstByUsualExtension)
            first << patternsOf({format.extensions.first()});
        else
            first << patternsOf(format.extensions);
    }
    return first << archivePattern() << later;
}
} // namespace

QStringList picturePatterns()
{
    return patterns(false);
}

QString openFilterLabel()
{
    // The first formats as players have always seen them, the later ones after.
    return QCoreApplication::translate("PictureFormats", "Supported files (%1)")
        .arg(patterns(true).join(QLatin1Char(';')).toUpper());
}

QString openFilterPatterns()
{
    return QCoreApplication::translate("PictureFormats", "Supported files (%1)")
        .arg(picturePatterns().join(QLatin1Char(' ')));
}

QStringList pictureMimeTypes()
{
    QStringList types;
    for (const PictureFormat& format : pictureFormats())
        types << format.mimeTypes;
    return types;
}
