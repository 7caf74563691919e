// Downscaling: a decoded picture brought down to the size shown, opaque, in little memory.
#include "downscale.h"

#include <QPainter>
#include <cstring>

namespace {
constexpr int BandRows = 32;

// A band of rows as opaque truecolour: transparent parts laid on white.
QImage opaqueBand(const QImage& image, int y, int rows)
{
    QImage band(image.constScanLine(y), image.width(), rows, image.bytesPerLine(), image.format());
    band.setColorTable(image.colorTable());
    if (!band.hasAlphaChannel())
        return band.convertToFormat(QImage::Format_RGB32);
    QImage flat(band.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, band);
    return flat;
}
} // namespace

QImage downscaledOpaque(const QImage& image, QSize wanted)
{
    if (image.isNull() || wanted.isEmpty() || wanted.width() > image.width() ||
        wanted.height() > image.height())
        return {};
    // Narrowed a band at a time into a picture of the wanted width, then lowered whole, both
    // by Qt's own area-averaging scaler.
    QImage narrow(wanted.width(), image.height(), QImage::Format_RGB32);
    if (narrow.isNull())
        return {};
    for (int y = 0; y < image.height(); y += BandRows) {
        const int rows = std::min(BandRows, image.height() - y);
        QImage band = opaqueBand(image, y, rows);
        if (band.width() != wanted.width())
            band =
                band.scaled(wanted.width(), rows, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int row = 0; row < rows; ++row)
            std::memcpy(narrow.scanLine(y + row), band.constScanLine(row),
                        static_cast<size_t>(wanted.width()) * 4);
    }
    return narrow.height() == wanted.height()
               ? narrow
               : narrow.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
