// Downscaling: a decoded picture brought down to the size shown, opaque, in little memory.
#pragma once

#include <QImage>
#include <QSize>

// Each pixel of the result is the mean of the part of the picture it covers, transparent
// parts laid on white first. Rows are converted a few at a time, so a picture decoded in a
// wide pixel format (16 bits a sample, 1 bit a pixel) is never held twice at full size.
// Wanted must be no larger than the image either way; the result is Format_RGB32.
QImage downscaledOpaque(const QImage& image, QSize wanted);
