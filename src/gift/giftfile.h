// Gift file: a copy of the program followed by a mode byte and a picture file.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The gift's puzzle, read back from a program file that carries one.
struct GiftPayload {
    int modeByte = 0;   // 0 tile swap, 1 slider; any other value leaves the setting alone
    QByteArray picture; // the picture file's bytes; may be empty or undecodable
};

// The payload of a program file longer than its image; nothing for a plain program.
std::optional<GiftPayload> readGift(const QString& programPath);

// Writes a gift: the program's image (without any payload it carries), the mode byte and
// the picture. Atomic: the target appears only when complete, executable like the program;
// on failure nothing is left and the error says why. The program file itself, by any name,
// is never replaced.
bool writeGift(const QString& programPath, const QString& target, int modeByte,
               const QByteArray& picture, QString* error);
