// Picture: a picture's encoded bytes, its size, and its pixels decoded at the size shown.
#include "picture.h"

#include "downscale.h"
#include "pictureformats.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Decoding one picture may hold this much memory beside what the game holds: the decoder's
// pixels, an animation's canvas beside its frame, and the result.
constexpr qint64 MaxDecodeBytes = qint64{512} * 1024 * 1024;
// A decoder that reads every pixel may hand over this many bytes of them: about a second's
// work, with the averaging down, on a desktop of today, so no picture freezes the window long.
constexpr qint64 MaxReadBytes = qint64{192} * 1024 * 1024;

qint64 pixelsOf(QSize size)
{
    return qint64{size.width()} * size.height();
}

QSize fitted(const PictureFit& fit, QSize natural)
{
    return (fit ? fit(natural) : natural).boundedTo(natural).expandedTo({1, 1});
}

// Whether the format's decoder is asked for the wanted size itself, skipping detail.
bool reducesTo(const PictureFormat& format, QSize natural, QSize wanted)
{
    return format.decodesReduced && wanted != natural;
}

// The size a reducing decoder holds: the smallest of a half, a quarter or an eighth of the
// natural size that still covers wanted (each way), or the natural size.
QSize reducedSize(QSize natural, QSize wanted)
{
    int denominator = 8;
    while (denominator > 1 && (natural.width() / denominator < wanted.width() ||
                               natural.height() / denominator < wanted.height()))
        denominator /= 2;
    return {(natural.width() + denominator - 1) / denominator,
            (natural.height() + denominator - 1) / denominator};
}

// Whether the wanted size can be decoded within the limits, judged from the header alone: the
// pixels the decoder holds in its own format (two pictures for an animation, whose canvas a
// frame is drawn on, and for a reduced decode, which Qt's reader then scales to the size
// asked), what averaging them down holds, and the result.
bool withinLimits(const QImageReader& reader, const PictureFormat& format, QSize natural,
                  QSize wanted)
{
    const QImage::Format output = reader.imageFormat();
    const qint64 bits = output == QImage::Format_Invalid
                            ? format.widestPixelBits
                            : QImage::toPixelFormat(output).bitsPerPixel();
    const bool reduced = reducesTo(format, natural, wanted);
    const QSize held = reduced ? reducedSize(natural, wanted) : natural;
    const int pictures =
        std::max(format.decoderPictures, reduced || reader.supportsAnimation() ? 2 : 1);
    const QSize handedOver = reduced ? wanted : natural;
    const qint64 heldBytes = pixelsOf(held) * bits / 8 * pictures +
                             (qint64{wanted.width()} * handedOver.height() + pixelsOf(wanted)) * 4;
    const qint64 readBytes = reduced ? 0 : pixelsOf(natural) * bits / 8;
    return heldBytes <= MaxDecodeBytes && readBytes <= MaxReadBytes;
}

PictureLoad tooLarge(QSize pixels)
{
    return {PictureFault::TooLarge, pixels};
}

// Decodes the whole picture at the wanted size. A reducing decoder (JPEG) is asked for the
// wanted size itself; every other decodes whole, and the result is averaged down from that.
PictureLoad decode(const QByteArray& bytes, const PictureFit& fit, QImage* pixels, QSize* natural)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(static_cast<int>(MaxDecodeBytes / (qint64{1024} * 1024)));
    const PictureFormat* format = pictureFormatNamed(reader.format());
    if (format == nullptr)
        return {PictureFault::UnknownFormat};
    const QSize stored = reader.size();
    if (stored.isEmpty())
        return {PictureFault::Damaged};
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    *natural = turned ? stored.transposed() : stored;
    if (pixelsOf(stored) > MaxPicturePixels)
        return tooLarge(*natural);
    const QSize wanted = fitted(fit, *natural);
    if (!withinLimits(reader, *format, *natural, wanted))
        return tooLarge(*natural);
    if (reducesTo(*format, *natural, wanted))
        reader.setScaledSize(turned ? wanted.transposed() : wanted);
    const QImage image = reader.read();
    if (image.size().boundedTo(wanted) != wanted)
        return {PictureFault::Damaged};
    *pixels = downscaledOpaque(image, wanted);
    return {};
}
} // namespace

PictureLoad Picture::loadFromFile(const QString& path, const PictureFit& fit)
{
    release();
    QFile file(path);
    // A device or pipe could block or stream forever; pictures are regular files of bounded
    // size.
    if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return {PictureFault::Unreadable};
    if (file.size() > MaxPictureBytes)
        return {PictureFault::TooLarge, {}, file.size()};
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return {PictureFault::Unreadable};
    return loadFromMemory(bytes, fit);
}

PictureLoad Picture::loadFromMemory(const QByteArray& bytes, const PictureFit& fit)
{
    release();
    if (bytes.isEmpty())
        return {PictureFault::Damaged};
    if (bytes.size() > MaxPictureBytes)
        return {PictureFault::TooLarge, {}, bytes.size()};
    QSize natural;
    const PictureLoad load = decode(bytes, fit, &pixels_, &natural);
    if (!load || pixels_.isNull()) {
        pixels_ = QImage();
        return load ? PictureLoad{PictureFault::Damaged} : load;
    }
    encoded_ = bytes;
    size_ = natural;
    return {};
}

PictureLoad Picture::loadFromResource(const QString& name, const QString& type,
                                      const PictureFit& fit)
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

bool Picture::covers(QSize pixels) const
{
    const QSize wanted = pixels.boundedTo(size_);
    return !isEmpty() && pixels_.width() >= wanted.width() && pixels_.height() >= wanted.height();
}

PictureLoad Picture::cover(QSize pixels)
{
    if (isEmpty())
        return {PictureFault::Unreadable};
    if (covers(pixels))
        return {};
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
