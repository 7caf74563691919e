// Photo handler: Qt's image reader reading a HEIF, AVIF or JPEG XL file.
#include "photohandler.h"

#include "heifphoto.h"
#include "jxlphoto.h"

#include <QIODevice>
#include <QVariant>
#include <array>

namespace {
struct Decoder {
    PhotoCodec codec;
    const char* name;
    std::optional<QSize> (*size)(const QByteArray&);
    QImage (*decode)(const QByteArray&);
};

constexpr std::array<Decoder, 3> Decoders{{
    {PhotoCodec::Heif, "heif", heifSize, decodeHeif},
    {PhotoCodec::Avif, "avif", heifSize, decodeHeif},
    {PhotoCodec::Jxl, "jxl", jxlSize, decodeJxl},
}};

const Decoder& decoderOf(PhotoCodec codec)
{
    return Decoders.at(static_cast<std::size_t>(codec));
}
} // namespace

PhotoHandler::PhotoHandler(PhotoCodec codec)
    : codec_(codec)
{
    setFormat(formatName(codec));
}

QByteArray PhotoHandler::formatName(PhotoCodec codec)
{
    return decoderOf(codec).name;
}

std::optional<PhotoCodec> PhotoHandler::codecNamed(const QByteArray& name)
{
    for (const Decoder& decoder : Decoders)
        if (name == decoder.name)
            return decoder.codec;
    return std::nullopt;
}

bool PhotoHandler::canRead() const
{
    if (bytes_)
        return !bytes_->isEmpty();
    return device() != nullptr && photoCodecOf(device()->peek(SignatureBytes)) == codec_;
}

const QByteArray& PhotoHandler::bytes() const
{
    if (!bytes_)
        bytes_ = device() != nullptr ? device()->readAll() : QByteArray();
    return *bytes_;
}

std::optional<QSize> PhotoHandler::size() const
{
    if (!size_)
        size_ = decoderOf(codec_).size(bytes());
    return *size_;
}

bool PhotoHandler::read(QImage* image)
{
    if (!size())
        return false;
    *image = decoderOf(codec_).decode(bytes());
    return !image->isNull();
}

QVariant PhotoHandler::option(ImageOption option) const
{
    if (option == Size)
        return size().value_or(QSize());
    if (option == ImageFormat)
        return QImage::Format_RGBA8888;
    return {};
}

bool PhotoHandler::supportsOption(ImageOption option) const
{
    return option == Size || option == ImageFormat;
}
