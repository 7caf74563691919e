// Picture: a decoded BMP, JPEG or GIF picture together with the bytes it was decoded from.
#include "picture.h"

#include "platform/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace {
// Qt reads more formats than these; a picture file of this game is one of the three.
bool isPictureFormat(const QByteArray& format)
{
    return format == "bmp" || format == "jpeg" || format == "gif";
}

QImage decode(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (!isPictureFormat(reader.format()))
        return {};
    return reader.read();
}
} // namespace

bool Picture::loadFromFile(const QString& path)
{
    release();
    QFile file(path);
    // A device or pipe could block or stream forever; pictures are regular files of bounded
    // size.
    if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly) || file.size() > MaxPictureBytes)
        return false;
    return loadFromMemory(file.readAll());
}

bool Picture::loadFromMemory(const QByteArray& bytes)
{
    release();
    if (bytes.isEmpty() || bytes.size() > MaxPictureBytes)
        return false;
    image_ = decode(bytes);
    if (!image_.isNull())
        encoded_ = bytes;
    return !image_.isNull();
}

bool Picture::loadFromResource(const QString& name, const QString& type)
{
    return loadFromFile(QStringLiteral(":/%1/%2").arg(type, name));
}

void Picture::release()
{
    image_ = QImage();
    encoded_.clear();
}

bool Picture::draw(QPainter* painter, const QRect& destination, const QRect& source) const
{
    if (painter == nullptr || isEmpty())
        return false;
    painter->drawImage(destination, image_, source);
    return true;
}

bool drawInFrame(QPainter* painter, const Picture& picture, const QRect& frame)
{
    const QRect inner = frame.marginsRemoved(PictureFrameInset);
    return picture.draw(painter, inner, picture.image().rect());
}

QSize previewSize(QSize picture)
{
    constexpr int Side = 200;
    if (picture.width() <= 0 || picture.height() <= 0)
        return {Side, Side};
    if (picture.width() > picture.height()) {
        const float ratio = static_cast<float>(picture.width()) / picture.height();
        return {Side, static_cast<int>(Side / static_cast<double>(ratio))};
    }
    const float ratio = static_cast<float>(picture.height()) / picture.width();
    return {static_cast<int>(Side / static_cast<double>(ratio)), Side};
}
