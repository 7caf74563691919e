// Picture: a picture's encoded bytes, its size, and its pixels decoded at the size shown.
#include "picture.h"

#include "pictureformats.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace {
// Room for the largest picture at 64 bits a pixel, the widest a decoder hands over; the
// header check keeps anything larger out before a byte is allocated.
constexpr int ReaderAllocationMiB = static_cast<int>(MaxPicturePixels * 8 / (1024 * 1024));

QSize fitted(const PictureFit& fit, QSize natural)
{
    return (fit ? fit(natural) : natural).boundedTo(natural).expandedTo({1, 1});
}

// The board and previews draw opaque pixels; what a picture leaves transparent shows white.
QImage opaque(QImage image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

// A 1-bit picture scaled by the reader comes back in black and white, whatever its two
// colours: so it is read whole (still 1 bit a pixel), brought near the size by whole pixels,
// and only then, as truecolour, scaled smoothly.
QImage scaledOneBit(const QImage& image, QSize wanted)
{
    const QSize near = (wanted * 2).boundedTo(image.size());
    return image.scaled(near, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32)
        .scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool isOneBit(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB;
}

// Decodes the whole picture at the wanted size, or reads its natural size alone when
// wanted is empty. JPEG decodes at 1/2, 1/4 or 1/8 scale where that still covers wanted;
// other formats decode whole and are scaled once, smoothly.
QImage decode(const QByteArray& bytes, QSize* natural, const PictureFit& fit)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(ReaderAllocationMiB);
    if (!isPictureFormat(reader.format()))
        return {};
    const QSize stored = reader.size();
    if (stored.isEmpty() || qint64{stored.width()} * stored.height() > MaxPicturePixels)
        return {};
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    *natural = turned ? stored.transposed() : stored;
    const QSize wanted = fitted(fit, *natural);
    const bool oneBit = isOneBit(reader.imageFormat());
    if (wanted != *natural && !oneBit)
        reader.setScaledSize(turned ? wanted.transposed() : wanted);
    QImage image = reader.read();
    if (oneBit && !image.isNull() && image.size() != wanted)
        image = scaledOneBit(image, wanted);
    return image.isNull() ? QImage() : opaque(image);
}
} // namespace

bool Picture::loadFromFile(const QString& path, const PictureFit& fit)
{
    release();
    QFile file(path);
    // A device or pipe could block or stream forever; pictures are regular files of bounded
    // size.
    if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly) || file.size() > MaxPictureBytes)
        return false;
    return loadFromMemory(file.readAll(), fit);
}

bool Picture::loadFromMemory(const QByteArray& bytes, const PictureFit& fit)
{
    release();
    if (bytes.isEmpty() || bytes.size() > MaxPictureBytes)
        return false;
    QSize natural;
    pixels_ = decode(bytes, &natural, fit);
    if (pixels_.isNull())
        return false;
    encoded_ = bytes;
    size_ = natural;
    return true;
}

bool Picture::loadFromResource(const QString& name, const QString& type, const PictureFit& fit)
{
    return loadFromFile(QStringLiteral(":/%1/%2").arg(type, name), fit);
}

bool Picture::loadFrom(const Picture& other, const PictureFit& fit)
{
    release();
    if (other.isEmpty())
        return false;
    const QSize wanted = fitted(fit, other.size_);
    pixels_ = other.pixels_.size() == wanted
                  ? other.pixels_
                  : other.pixels_.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    encoded_ = other.encoded_;
    size_ = other.size_;
    return true;
}

void Picture::release()
{
    pixels_ = QImage();
    encoded_.clear();
    size_ = QSize(0, 0);
}

bool Picture::cover(QSize pixels)
{
    if (isEmpty())
        return false;
    const QSize wanted = pixels.boundedTo(size_);
    if (pixels_.width() >= wanted.width() && pixels_.height() >= wanted.height())
        return true;
    const QByteArray bytes = encoded_;
    return loadFromMemory(bytes, [pixels](QSize) { return pixels; });
}

bool Picture::draw(QPainter* painter, const QRect& destination, const QRect& source) const
{
    if (painter == nullptr || isEmpty())
        return false;
    const qreal x = static_cast<qreal>(pixels_.width()) / size_.width();
    const qreal y = static_cast<qreal>(pixels_.height()) / size_.height();
    const QRectF from(source.x() * x, source.y() * y, source.width() * x, source.height() * y);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(QRectF(destination), pixels_, from);
    painter->restore();
    return true;
}

QSize devicePixels(QSize logical, qreal devicePixelRatio)
{
    return {static_cast<int>(std::ceil(logical.width() * devicePixelRatio)),
            static_cast<int>(std::ceil(logical.height() * devicePixelRatio))};
}
