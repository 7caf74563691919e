// Test ZIP archives: writes archives, sound or deliberately broken, for the tests.
#include "testzip.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <minizip/zip.h>
#include <vector>
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

QImage photoLikeImage(int width, int height, quint32 seed)
{
    // sin(a + b) from tables of sin and cos along each axis: a 24-megapixel picture is made
    // in a fraction of a second.
    struct Wave {
        std::vector<double> sin, cos;
        Wave(int length, double frequency)
        {
            for (int i = 0; i < length; ++i) {
                sin.push_back(std::sin(i * frequency / length));
                cos.push_back(std::cos(i * frequency / length));
            }
        }
        double at(const Wave& other, int i, int j) const
        {
            return sin[i] * other.cos[j] + cos[i] * other.sin[j];
        }
    };
    const Wave redX(width, 17), redY(height, 3), greenX(width, -5), greenY(height, 23),
        blueX(width, 31), blueY(height, 31 * double(height) / width);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = static_cast<int>(seed >> 28) - 8;
            const int texture = (x / 7 + y / 5) % 2 * 30 + (x + y) % 3 * 6;
            const auto channel = [&](double wave, int amplitude, int extra) {
                return std::clamp(static_cast<int>(128 + amplitude * wave) + noise + extra, 0, 255);
            };
            line[x] = qRgb(channel(redX.at(redY, x, y), 100, x % 2 * 9),
                           channel(greenX.at(greenY, x, y), 90, y % 2 * 9),
                           channel(blueX.at(blueY, x, y), 80, texture));
        }
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}
