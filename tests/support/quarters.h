// Quarters: a picture of four flat colours, so tests can tell which part shows where.
#pragma once

#include "pictures/picture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace Quarters {
inline const QColor TopLeft(200, 0, 0);
inline const QColor TopRight(0, 200, 0);
inline const QColor BottomLeft(0, 0, 200);
inline const QColor BottomRight(200, 200, 0);

// Loads a 200 x 200 BMP of the four quarters into the picture.
inline bool load(Picture& picture)
{
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 100, 100, TopLeft);
    painter.fillRect(100, 0, 100, 100, TopRight);
    painter.fillRect(0, 100, 100, 100, BottomLeft);
    painter.fillRect(100, 100, 100, 100, BottomRight);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return static_cast<bool>(picture.loadFromMemory(bytes));
}
} // namespace Quarters
