// Photo codec plugin: HEIF, AVIF and JPEG XL for every image reader of the program.
#include "photocodecplugin.h"

#include "photohandler.h"

namespace {
// The codec a format name asks for; without a name, the one the bytes announce.
std::optional<PhotoCodec> codecFor(QIODevice* device, const QByteArray& format)
{
    if (!format.isEmpty())
        return PhotoHandler::codecNamed(format.toLower());
    if (device == nullptr || !device->isReadable())
        return std::nullopt;
    return photoCodecOf(device->peek(SignatureBytes));
}
} // namespace

QImageIOPlugin::Capabilities PhotoCodecPlugin::capabilities(QIODevice* device,
                                                            const QByteArray& format) const
{
    return codecFor(device, format) ? CanRead : Capabilities();
}

QImageIOHandler* PhotoCodecPlugin::create(QIODevice* device, const QByteArray& format) const
{
    const std::optional<PhotoCodec> codec = codecFor(device, format);
    if (!codec)
        return nullptr;
    auto* handler = new PhotoHandler(*codec);
    handler->setDevice(device);
    return handler;
}
