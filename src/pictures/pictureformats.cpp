// Picture formats: every kind of picture file the game reads, in one table.
#include "pictureformats.h"

#include <QCoreApplication>

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
        {"bmp", "image/bmp", {".bmp"}, {".bmp"}, true, nullptr, 32, false},
        {"gif", "image/gif", {".gif"}, {".gif"}, true, nullptr, 32, false},
        {"jpeg", "image/jpeg", {".jpg", ".jpeg"}, {".jpg"}, true, nullptr, 32, true},
        {"png", "image/png", {".png"}, {".png"}, false, pngSigned, 64, false},
        {"webp", "image/webp", {".webp"}, {".webp"}, false, webpSigned, 32, false},
        {"tiff", "image/tiff", {".tif", ".tiff"}, {".tif", ".tiff"}, false, tiffSigned, 128, false},
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
        types << format.mimeType;
    return types;
}
