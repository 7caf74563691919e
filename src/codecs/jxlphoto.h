// JPEG XL photos through libjxl.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>

// The picture's size as shown, its orientation applied, from the header alone; nothing for
// bytes whose header does not decode.
std::optional<QSize> jxlSize(const QByteArray& bytes);
// The picture (an animation's first frame), turned as its orientation says, in 8 bits a
// channel with straight alpha; null for bytes that do not decode.
QImage decodeJxl(const QByteArray& bytes);
