// Hostile pictures: files of a few bytes whose headers promise a huge picture of one flat
// colour, made without ever holding their pixels, for the decoding limits.
#pragma once

#include "pngwriter.h"

#include <QByteArray>
#include <QSize>

// A PNG of that colour type and depth, every sample half of its full value.
QByteArray flatPng(QSize size, PngColourType type, int bitDepth);
// A deflated TIFF of one (grey) or four (RGBA) 16-bit samples a pixel, every strip the same.
QByteArray flatTiff(QSize size, int samplesPerPixel);
// An animated WebP of two small frames on a canvas of that size.
QByteArray animatedWebp(QSize canvas);
