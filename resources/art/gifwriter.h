// GIF writer: encodes a picture as a GIF file, for the sample pictures.
#pragma once

#include <QByteArray>

class QImage;

// A single-frame GIF89a with a 256-colour table chosen by Qt's palette conversion.
QByteArray encodeGif(const QImage& image);
