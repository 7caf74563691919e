// Test ZIP archives: writes archives, sound or deliberately broken, for the tests.
#include "testzip.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <minizip/zip.h>
#include <zlib.h>

namespace {
uLong checksum(const QByteArray& data)
{
    return crc32(0, reinterpret_cast<const Bytef*>(data.constData()),
                 static_cast<uInt>(data.size()));
}

bool addEntry(zipFile zip, const TestZipEntry& entry)
{
    const bool tampered = entry.declaredSize || entry.declaredCrc;
    const zip_fileinfo info{{0, 0, 12, 1, 0, 2026}, 0, 0, 0};
    if (zipOpenNewFileInZip3(zip, entry.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                             tampered ? 0 : Z_DEFLATED, Z_DEFAULT_COMPRESSION, tampered ? 1 : 0,
                             -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                             entry.encrypted ? "secret" : nullptr, checksum(entry.data)) != ZIP_OK)
        return false;
    if (zipWriteInFileInZip(zip, entry.data.constData(),
                            static_cast<unsigned>(entry.data.size())) != ZIP_OK)
        return false;
    if (!tampered)
        return zipCloseFileInZip(zip) == ZIP_OK;
    return zipCloseFileInZipRaw(zip, entry.declaredSize.value_or(entry.data.size()),
                                entry.declaredCrc.value_or(checksum(entry.data))) == ZIP_OK;
}
} // namespace

bool writeTestZip(const QString& path, const std::vector<TestZipEntry>& entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (zip == nullptr)
        return false;
    bool ok = true;
    for (const TestZipEntry& entry : entries)
        ok = ok && addEntry(zip, entry);
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

QByteArray encodedPicture(int width, int height, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(230, 60, 40));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
