// Gift file: a copy of the program followed by a mode byte and a picture file.
#include "giftfile.h"

#include "pictures/picture.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace {
constexpr qint64 CopyChunk = 64 * 1024;

template <typename T> T fieldAt(const QByteArray& header, int offset, bool bigEndian)
{
    const auto* at = header.constData() + offset;
    return bigEndian ? qFromBigEndian<T>(at) : qFromLittleEndian<T>(at);
}

QString cannotWrite(const QFileDevice& file)
{
    return QCoreApplication::translate("GiftFile", "Cannot write %1: %2")
        .arg(file.fileName(), file.errorString());
}
} // namespace

std::optional<qint64> programImageLength(const QString& programPath)
{
    QFile program(programPath);
    if (!isRegularFile(programPath) || !program.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = program.read(64);
    if (header.size() < 52 || !header.startsWith("\x7f"
                                                 "ELF"))
        return std::nullopt;
    const bool wide = header[4] == 2; // ELFCLASS64
    const bool bigEndian = header[5] == 2;
    if (wide && header.size() < 64)
        return std::nullopt;
    const quint64 tableOffset = wide ? fieldAt<quint64>(header, 0x28, bigEndian)
                                     : fieldAt<quint32>(header, 0x20, bigEndian);
    const quint16 entrySize = fieldAt<quint16>(header, wide ? 0x3A : 0x2E, bigEndian);
    const quint16 entries = fieldAt<quint16>(header, wide ? 0x3C : 0x30, bigEndian);
    // Compared without adding first: a forged offset near 2^64 would wrap the sum round.
    const auto size = static_cast<quint64>(program.size());
    const quint64 table = quint64{entrySize} * entries;
    if (tableOffset == 0 || tableOffset > size || table > size - tableOffset)
        return std::nullopt;
    return static_cast<qint64>(tableOffset + table);
}

std::optional<GiftPayload> readGift(const QString& programPath)
{
    const std::optional<qint64> image = programImageLength(programPath);
    QFile program(programPath);
    if (!image || !program.open(QIODevice::ReadOnly) || program.size() <= *image ||
        !program.seek(*image))
        return std::nullopt;
    GiftPayload payload;
    char mode = 0;
    program.getChar(&mode);
    payload.modeByte = static_cast<unsigned char>(mode);
    // Anything past the picture limit could never be shown; leave it unread.
    if (program.size() - *image - 1 <= MaxPictureBytes)
        payload.picture = program.readAll();
    return payload;
}

bool writeGift(const QString& programPath, const QString& target, int modeByte,
               const QByteArray& picture, QString* error)
{
    const std::optional<qint64> image = programImageLength(programPath);
    QFile program(programPath);
    if (!image || !program.open(QIODevice::ReadOnly)) {
        *error =
            QCoreApplication::translate("GiftFile", "The game cannot read its own program file %1.")
                .arg(programPath);
        return false;
    }
    QSaveFile gift(target);
    if (!gift.open(QIODevice::WriteOnly)) {
        *error = cannotWrite(gift);
        return false;
    }
    for (qint64 left = *image; left > 0;) {
        const QByteArray chunk = program.read(std::min(left, CopyChunk));
        if (chunk.isEmpty() || gift.write(chunk) != chunk.size()) {
            *error = cannotWrite(gift);
            gift.cancelWriting();
            return false;
        }
        left -= chunk.size();
    }
    const char mode = static_cast<char>(modeByte);
    if (!gift.putChar(mode) || gift.write(picture) != picture.size() || !gift.commit()) {
        *error = cannotWrite(gift);
        return false;
    }
    QFile::setPermissions(target, program.permissions() | QFileDevice::WriteOwner);
    return true;
}
