// Hostile pictures: files of a few bytes whose headers promise a huge picture.
#include "hostilepictures.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <zlib.h>

namespace {
void appendLittleEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// Rows of bytes deflated one after another, each preceded by the given prefix byte (a PNG
// row's filter) unless it is negative.
QByteArray deflatedRows(int rowBytes, int rows, int prefix)
{
    QByteArray row(rowBytes, '\x80');
    if (prefix >= 0)
        row.prepend(static_cast<char>(prefix));
    z_stream stream{};
    deflateInit(&stream, Z_BEST_SPEED);
    QByteArray packed;
    QByteArray chunk(1 << 16, '\0');
    for (int y = 0; y < rows; ++y) {
        stream.next_in = reinterpret_cast<Bytef*>(row.data());
        stream.avail_in = static_cast<uInt>(row.size());
        const int flush = y + 1 == rows ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
            stream.avail_out = static_cast<uInt>(chunk.size());
            deflate(&stream, flush);
            packed.append(chunk.constData(), chunk.size() - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return packed;
}

void appendPngChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    QByteArray length(4, '\0');
    qToBigEndian(static_cast<quint32>(data.size()), length.data());
    const QByteArray typed = QByteArray(type, 4) + data;
    QByteArray crc(4, '\0');
    qToBigEndian(static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()),
                                            static_cast<uInt>(typed.size()))),
                 crc.data());
    png += length + typed + crc;
}

int samplesOf(PngColourType type)
{
    switch (type) {
    case PngColourType::Grey:
    case PngColourType::Palette:
        return 1;
    case PngColourType::GreyAlpha:
        return 2;
    case PngColourType::Truecolour:
        return 3;
    case PngColourType::Rgba:
        return 4;
    }
    return 1;
}

void appendTiffEntry(QByteArray& ifd, int tag, int type, quint32 count, quint32 value)
{
    appendLittleEndian(ifd, static_cast<quint32>(tag), 2);
    appendLittleEndian(ifd, static_cast<quint32>(type), 2);
    appendLittleEndian(ifd, count, 4);
    appendLittleEndian(ifd, value, 4);
}

void appendRiffChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    out.append(type, 4);
    appendLittleEndian(out, static_cast<quint32>(data.size()), 4);
    out += data;
    if (data.size() % 2 != 0)
        out.append('\0');
}
} // namespace

QByteArray flatPng(QSize size, PngColourType type, int bitDepth)
{
    QByteArray header(13, '\0');
    qToBigEndian(static_cast<quint32>(size.width()), header.data());
    qToBigEndian(static_cast<quint32>(size.height()), header.data() + 4);
    header[8] = static_cast<char>(bitDepth);
    header[9] = static_cast<char>(type);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendPngChunk(png, "IHDR", header);
    if (type == PngColourType::Palette)
        appendPngChunk(png, "PLTE", QByteArray(3 << bitDepth, '\x40'));
    const qint64 rowBits = qint64{size.width()} * samplesOf(type) * bitDepth;
    png.reserve(1 << 20);
    appendPngChunk(png, "IDAT",
                   deflatedRows(static_cast<int>((rowBits + 7) / 8), size.height(), 0));
    appendPngChunk(png, "IEND", {});
    return png;
}

QByteArray flatTiff(QSize size, int samplesPerPixel)
{
    constexpr int RowsPerStrip = 64;
    const int strips = (size.height() + RowsPerStrip - 1) / RowsPerStrip;
    const int rowBytes = size.width() * samplesPerPixel * 2;
    // Every strip holds the full number of rows; the last one's surplus is ignored.
    const QByteArray strip = deflatedRows(rowBytes, RowsPerStrip, -1);
    const bool rgba = samplesPerPixel == 4;
    const int entries = rgba ? 11 : 10;
    const quint32 ifdAt = 8;
    const quint32 depthsAt = ifdAt + 2 + 12 * entries + 4;
    const quint32 offsetsAt = depthsAt + 8;
    const quint32 countsAt = offsetsAt + 4 * strips;
    const quint32 stripAt = countsAt + 4 * strips;
    QByteArray tiff("II*\0", 4);
    appendLittleEndian(tiff, ifdAt, 4);
    appendLittleEndian(tiff, static_cast<quint32>(entries), 2);
    constexpr int Short = 3;
    constexpr int Long = 4;
    appendTiffEntry(tiff, 256, Long, 1, static_cast<quint32>(size.width()));
    appendTiffEntry(tiff, 257, Long, 1, static_cast<quint32>(size.height()));
    appendTiffEntry(tiff, 258, Short, static_cast<quint32>(samplesPerPixel), rgba ? depthsAt : 16);
    appendTiffEntry(tiff, 259, Short, 1, 8); // deflate
    appendTiffEntry(tiff, 262, Short, 1, rgba ? 2 : 1);
    appendTiffEntry(tiff, 273, Long, static_cast<quint32>(strips), offsetsAt);
    appendTiffEntry(tiff, 277, Short, 1, static_cast<quint32>(samplesPerPixel));
    appendTiffEntry(tiff, 278, Long, 1, RowsPerStrip);
    appendTiffEntry(tiff, 279, Long, static_cast<quint32>(strips), countsAt);
    appendTiffEntry(tiff, 284, Short, 1, 1);
    if (rgba)
        appendTiffEntry(tiff, 338, Short, 1, 2); // unassociated alpha
    appendLittleEndian(tiff, 0, 4);
    for (int i = 0; i < 4; ++i)
        appendLittleEndian(tiff, 16, 2);
    for (int i = 0; i < strips; ++i)
        appendLittleEndian(tiff, stripAt, 4);
    for (int i = 0; i < strips; ++i)
        appendLittleEndian(tiff, static_cast<quint32>(strip.size()), 4);
    return tiff + strip;
}

QByteArray animatedWebp(QSize canvas)
{
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(qRgb(128, 64, 32));
    QByteArray simple;
    QBuffer buffer(&simple);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "WEBP");
    const QByteArray bitstream = simple.mid(12); // the frame's own chunk, after the file header
    QByteArray features;
    features.append('\x02').append(3, '\0'); // animated
    appendLittleEndian(features, static_cast<quint32>(canvas.width() - 1), 3);
    appendLittleEndian(features, static_cast<quint32>(canvas.height() - 1), 3);
    QByteArray animation;
    appendLittleEndian(animation, 0xffffffff, 4);
    appendLittleEndian(animation, 0, 2);
    QByteArray body("WEBP");
    appendRiffChunk(body, "VP8X", features);
    appendRiffChunk(body, "ANIM", animation);
    for (int frame = 0; frame < 2; ++frame) {
        QByteArray placed;
        appendLittleEndian(placed, static_cast<quint32>(frame * 8), 3);
        appendLittleEndian(placed, 0, 3);
        appendLittleEndian(placed, 15, 3);
        appendLittleEndian(placed, 15, 3);
        appendLittleEndian(placed, 100, 3);
        placed.append('\0');
        appendRiffChunk(body, "ANMF", placed + bitstream);
    }
    QByteArray webp("RIFF");
    appendLittleEndian(webp, static_cast<quint32>(body.size()), 4);
    return webp + body;
}
