// GIF writer: encodes a picture as a GIF file, for the sample pictures.
#pragma once

#include <QByteArray>

class QImage;

// A single-frame GIF89a with a table of the picture's 256 most common colours.
QByteArray encodeGif(const QImage& image);
