// Signatures: which of the newer photo formats a file's first bytes announce.
#include "signatures.h"

#include <QtEndian>
#include <algorithm>
#include <array>

namespace {
constexpr std::array<QByteArrayView, 2> AvifBrands{"avif", "avis"};
constexpr std::array<QByteArrayView, 10> HeifBrands{"heic", "heix", "heim", "heis", "hevc",
                                                    "hevx", "hevm", "hevs", "mif1", "msf1"};

bool isOneOf(QByteArrayView brand, const auto& brands)
{
    return std::find(brands.begin(), brands.end(), brand) != brands.end();
}

std::optional<PhotoCodec> isoCodecOf(QByteArrayView head)
{
    if (head.size() < 16 || head.sliced(4, 4) != "ftyp")
        return std::nullopt;
    const auto declared = qFromBigEndian<quint32>(head.data());
    const qsizetype end = std::min<qsizetype>(head.size(), declared);
    bool heif = false;
    // The major brand at 8, the minor version at 12, the compatible brands from 16 on.
    for (qsizetype at = 8; at + 4 <= end; at += at == 8 ? 8 : 4) {
        const QByteArrayView brand = head.sliced(at, 4);
        if (isOneOf(brand, AvifBrands))
            return PhotoCodec::Avif;
        heif = heif || isOneOf(brand, HeifBrands);
    }
    return heif ? std::optional(PhotoCodec::Heif) : std::nullopt;
}
} // namespace

std::optional<PhotoCodec> photoCodecOf(QByteArrayView head)
{
    if (head.startsWith(QByteArrayView("\xff\x0a", 2)) ||
        head.startsWith(QByteArrayView("\0\0\0\x0cJXL \x0d\x0a\x87\x0a", 12)))
        return PhotoCodec::Jxl;
    return isoCodecOf(head);
}
