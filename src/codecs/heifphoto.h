// HEIF photos (HEIC and AVIF) through libheif.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>

// The primary picture's size as shown, its rotation and mirroring applied, from the header
// alone; nothing for bytes libheif cannot parse.
std::optional<QSize> heifSize(const QByteArray& bytes);
// The primary picture, turned as the file says, deeper pixels brought to 8 bits a channel;
// null for bytes that do not decode.
QImage decodeHeif(const QByteArray& bytes);
