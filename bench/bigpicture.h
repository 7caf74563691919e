// Big picture: a large picture with detail everywhere, made once for the benchmarks.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// 6000 x 4000 pixels (24 megapixels) as a JPEG, so decoders and scalers have real work.
inline const QByteArray& bigJpeg()
{
    static const QByteArray bytes = [] {
        QImage image(6000, 4000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256);
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 85);
        return jpeg;
    }();
    return bytes;
}
