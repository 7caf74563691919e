// PNG and BMP writers: picture files of every colour type and bit depth the formats allow,
// which Qt's own writers do not all produce, for the decoders' tests.
#pragma once

#include <QByteArray>
#include <QImage>

enum class PngColourType { Grey = 0, Truecolour = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

// The image as a PNG of that colour type and bit depth (1, 2, 4, 8 or 16, as the type allows).
// Grey types take each pixel's red as its level; the palette holds the colours found, at most
// 2^depth of them; every pixel is opaque.
QByteArray encodePng(const QImage& image, PngColourType type, int bitDepth);

// The image as an uncompressed palette BMP of 1, 4 or 8 bits a pixel, the palette holding the
// colours found.
QByteArray encodePaletteBmp(const QImage& image, int bitDepth);
