// Picture formats: every kind of picture file the game reads, in one table.
#include "pictureformats.h"

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
        {"bmp", "image/bmp", {".bmp"}, {".bmp"}, true, nullptr},
        {"gif", "image/gif", {".gif"}, {".gif"}, true, nullptr},
        {"jpeg", "image/jpeg", {".jpg", ".jpeg"}, {".jpg"}, true, nullptr},
        {"png", "image/png", {".png"}, {".png"}, false, pngSigned},
        {"webp", "image/webp", {".webp"}, {".webp"}, false, webpSigned},
        {"tiff", "image/tiff", {".tif", ".tiff"}, {".tif", ".tiff"}, false, tiffSigned},
    };
    return formats;
}

bool isPictureFormat(const QByteArray& readerName)
{
    for (const PictureFormat& format : pictureFormats())
        if (format.readerName == readerName)
            return true;
    return false;
}

bool hasPictureExtension(const QString& path)
{
    for (const PictureFormat& format : pictureFormats())
        for (const QString& extension : format.extensions)
            if (path.endsWith(extension, Qt::CaseInsensitive))
                return true;
    return false;
}

QStringList picturePatterns()
{
    QStringList first;
    QStringList later;
    for (const PictureFormat& format : pictureFormats())
        (format.sinceFirstRelease ? first : later) << patternsOf(format.extensions);
    return first << archivePattern() << later;
}

QString openFilterLabel()
{
    // The first formats by their usual extension, as players have always seen them.
    QStringList first;
    QStringList later;
    for (const PictureFormat& format : pictureFormats()) {
        if (format.sinceFirstRelease)
            first << patternsOf({format.extensions.first()});
        else
            later << patternsOf(format.extensions);
    }
    const QStringList all = first << archivePattern() << later;
    return QStringLiteral("Supported files (%1)").arg(all.join(QLatin1Char(';')).toUpper());
}

QString openFilterPatterns()
{
    return QStringLiteral("Supported files (%1)").arg(picturePatterns().join(QLatin1Char(' ')));
}

QStringList pictureMimeTypes()
{
    QStringList types;
    for (const PictureFormat& format : pictureFormats())
        types << format.mimeType;
    return types << QStringLiteral("application/zip");
}
