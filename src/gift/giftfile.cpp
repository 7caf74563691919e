// Gift file: a copy of the program followed by a mode byte and a picture file.
#include "giftfile.h"

#include "pictures/picture.h"
#include "platform/programimage.h"
#include "platform/regularfile.h"
#include "platform/wholewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
constexpr qint64 CopyChunk = qint64{64} * 1024;

QString cannotWrite(const QFileDevice& file)
{
    return QCoreApplication::translate("GiftFile", "Cannot write %1: %2")
        .arg(file.fileName(), file.errorString());
}
} // namespace

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
    // Saved over the game, the gift would take its place for good.
    if (isSameFile(target, programPath)) {
        *error = QCoreApplication::translate("GiftFile",
                                             "%1 is the game itself: a gift cannot replace it.")
                     .arg(QDir::toNativeSeparators(target));
        return false;
    }
    QSaveFile gift(target);
    // Unbuffered: a buffered tail cut short when it is flushed at the commit went unnoticed,
    // and a gift missing its last bytes was reported made.
    if (!gift.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = cannotWrite(gift);
        return false;
    }
    for (qint64 left = *image; left > 0;) {
        const QByteArray chunk = program.read(std::min(left, CopyChunk));
        if (chunk.isEmpty() || !writeWhole(gift, chunk)) {
            *error = cannotWrite(gift);
            gift.cancelWriting();
            return false;
        }
        left -= chunk.size();
    }
    if (!writeWhole(gift, QByteArray(1, static_cast<char>(modeByte)) + picture) || !gift.commit()) {
        *error = cannotWrite(gift);
        return false;
    }
    QFile::setPermissions(target, program.permissions() | QFileDevice::WriteOwner);
    return true;
}
