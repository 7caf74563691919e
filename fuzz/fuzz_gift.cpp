// Fuzz target: a gift someone sends, as any file: its executable-header walk and its payload.
#include "fuzzinput.h"
#include "gift/giftfile.h"
#include "pictures/picture.h"
#include "platform/programimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = inputFile(QStringLiteral("gift"), data, size);
    if (path.isEmpty())
        return 0;
    const auto fileSize = static_cast<qint64>(size);
    const std::optional<qint64> image = programImageLength(path);
    if (image && (*image <= 0 || *image > fileSize))
        __builtin_trap(); // the image lies inside the file
    const std::optional<GiftPayload> gift = readGift(path);
    if (gift.has_value() != (image && *image < fileSize))
        __builtin_trap(); // a gift exactly when something follows the image
    if (!gift)
        return 0;
    const qint64 payload = fileSize - *image - 1;
    const QByteArray after = QByteArray::fromRawData(
        reinterpret_cast<const char*>(data) + *image + 1, static_cast<qsizetype>(payload));
    if (gift->modeByte != data[*image] || (payload <= MaxPictureBytes && gift->picture != after))
        __builtin_trap(); // the payload is exactly the bytes after the mode byte
    return 0;
}
