// Tile images: each tile's part of the picture, scaled on its own to its cell's device pixels.
#include "tileimages.h"

#include "pictures/picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {
// A part of an image, read in place.
QImage part(const QImage& image, const QRect& rect)
{
    return QImage(image.constScanLine(rect.y()) + std::ptrdiff_t{rect.x()} * 4, rect.width(),
                  rect.height(), image.bytesPerLine(), image.format());
}

// Where whole-tile boundary i falls in the pixels, along one axis.
int boundary(int i, double sourceTile, double pixelsPerPoint, int limit)
{
    return std::clamp(static_cast<int>(std::lround(i * sourceTile * pixelsPerPoint)), 0, limit);
}

// Light on a dark translucent badge reads on any picture. Sizes are logical pixels.
constexpr double BadgeShare = 0.2; // of the tile's shorter side, for the text
constexpr double MinBadgeText = 9;
constexpr double MaxBadgeText = 28;
constexpr double BadgeInset = 3; // clear of a grid line
constexpr int BadgeAlpha = 150;

// The badge on a transparent image that lies over the tile's top-left corner.
QImage numberBadge(int number, QSize tile, qreal ratio)
{
    const double text =
        std::clamp(std::min(tile.width(), tile.height()) * BadgeShare, MinBadgeText, MaxBadgeText);
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(text * ratio))));
    font.setBold(true);
    const QString label = QString::number(number);
    const QFontMetricsF metrics(font);
    const double pad = font.pixelSize() / 4.0;
    const QRectF badge(BadgeInset * ratio, BadgeInset * ratio,
                       metrics.horizontalAdvance(label) + 2 * pad, metrics.capHeight() + 2 * pad);
    const QPoint corner = badge.bottomRight().toPoint();
    QImage image(corner.x() + 2, corner.y() + 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, BadgeAlpha));
    painter.drawRoundedRect(badge, pad, pad);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, label);
    painter.end();
    return image;
}
} // namespace

void TileImages::update(const Picture& picture, int n, QSize tile, qreal devicePixelRatio,
                        bool numbered)
{
    const QImage& pixels = picture.pixels();
    if (pixels.cacheKey() == madeFrom_ && n == grid_ && tile == tile_ &&
        devicePixelRatio == ratio_ && numbered == numbered_)
        return;
    numbered_ = numbered;
    madeFrom_ = pixels.cacheKey();
    grid_ = n;
    tile_ = tile;
    ratio_ = devicePixelRatio;
    images_.assign(static_cast<size_t>(n) * n, QImage());
    badges_.assign(static_cast<size_t>(n) * n, QImage());
    if (pixels.isNull() || n <= 0)
        return;
    // A picture narrower than the grid has no whole tiles; then all of it is cut.
    const auto sourceTile = [n](int side) {
        const int whole = side / n;
        return whole > 0 ? whole : side / double(n);
    };
    const double tileWidth = sourceTile(picture.width());
    const double tileHeight = sourceTile(picture.height());
    const double xScale = static_cast<double>(pixels.width()) / picture.width();
    const double yScale = static_cast<double>(pixels.height()) / picture.height();
    const QSize device = devicePixels(tile, devicePixelRatio);
    for (int row = 0; row < n; ++row) {
        const int top = boundary(row, tileHeight, yScale, pixels.height() - 1);
        const int bottom = boundary(row + 1, tileHeight, yScale, pixels.height());
        for (int col = 0; col < n; ++col) {
            const int left = boundary(col, tileWidth, xScale, pixels.width() - 1);
            const int right = boundary(col + 1, tileWidth, xScale, pixels.width());
            const QImage source = part(
                pixels, QRect(left, top, std::max(1, right - left), std::max(1, bottom - top)));
            QImage& image = images_[static_cast<size_t>(row) * n + col];
            image = source.size() == device
                        ? source.copy()
                        : source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
            if (numbered)
                badges_[static_cast<size_t>(row) * n + col] =
                    numberBadge(row * n + col + 1, tile, devicePixelRatio);
        }
    }
}
