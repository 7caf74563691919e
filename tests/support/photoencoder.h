// Photo encoder: HEIC, AVIF and JPEG XL files made in the test, through the libraries' encoders.
#pragma once

#include "codecs/signatures.h"

#include <QByteArray>
#include <QImage>
#include <QList>

struct PhotoOptions {
    int orientation = 1; // as Exif numbers it: 6 turns the stored picture a quarter clockwise
    int bits = 8;        // a channel: 8, 10 (HEIF and AVIF) or 16 (JPEG XL)
    bool alpha = false;  // keep the pictures' alpha channel
    bool fast = false;   // the encoders' quickest setting, for large pictures
};

// A file of the pictures (more than one: a JPEG XL animation); empty when encoding failed.
QByteArray encodedPhoto(PhotoCodec codec, const QList<QImage>& pictures,
                        const PhotoOptions& options = {});
