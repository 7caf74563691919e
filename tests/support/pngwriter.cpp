// PNG and BMP writers: picture files of every colour type and bit depth the formats allow.
#include "pngwriter.h"

#include <QtEndian>
#include <vector>
#include <zlib.h>

namespace {
void appendBigEndian32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data)
{
    appendBigEndian32(png, static_cast<quint32>(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    png += typed;
    appendBigEndian32(
        png, static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()),
                                        static_cast<uInt>(typed.size()))));
}

// The distinct colours of the image in order of first appearance.
std::vector<QRgb> paletteOf(const QImage& image)
{
    std::vector<QRgb> palette;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb last = 0;
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb c = line[x] | 0xff000000;
                c != last && std::find(palette.begin(), palette.end(), c) == palette.end())
                palette.push_back(last = c);
    }
    return palette;
}

int indexIn(const std::vector<QRgb>& palette, QRgb colour)
{
    return static_cast<int>(std::find(palette.begin(), palette.end(), colour | 0xff000000) -
                            palette.begin());
}

// Packs samples of the given depth, most significant bits first; 16-bit samples big-endian.
class RowWriter {
public:
    explicit RowWriter(int depth)
        : depth_(depth)
    {}
    void put(int sample)
    {
        if (depth_ == 16) {
            row_.append(static_cast<char>(sample >> 8)).append(static_cast<char>(sample & 0xff));
        } else if (depth_ == 8) {
            row_.append(static_cast<char>(sample));
        } else {
            bits_ = (bits_ << depth_) | sample;
            filled_ += depth_;
            if (filled_ == 8)
                flush();
        }
    }
    QByteArray take(int padTo)
    {
        if (filled_ > 0) {
            bits_ <<= 8 - filled_;
            flush();
        }
        while (row_.size() % padTo != 0)
            row_.append('\0');
        return std::exchange(row_, QByteArray());
    }

private:
    void flush()
    {
        row_.append(static_cast<char>(bits_));
        bits_ = 0;
        filled_ = 0;
    }
    int depth_;
    QByteArray row_;
    int bits_ = 0;
    int filled_ = 0;
};

int scaledSample(int value8, int depth)
{
    return (value8 * ((1 << depth) - 1) + 127) / 255;
}
} // namespace

QByteArray encodePng(const QImage& source, PngColourType type, int bitDepth)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const std::vector<QRgb> palette = paletteOf(image);
    QByteArray header;
    appendBigEndian32(header, static_cast<quint32>(image.width()));
    appendBigEndian32(header, static_cast<quint32>(image.height()));
    header.append(static_cast<char>(bitDepth)).append(static_cast<char>(type));
    header.append(3, '\0'); // deflate, adaptive filtering, no interlace
    QByteArray raw;
    for (int y = 0; y < image.height(); ++y) {
        raw.append('\0'); // filter: none
        RowWriter row(bitDepth);
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int opaque = scaledSample(255, bitDepth);
            switch (type) {
            case PngColourType::Palette:
                row.put(indexIn(palette, c));
                break;
            case PngColourType::Grey:
            case PngColourType::GreyAlpha:
                row.put(scaledSample(qRed(c), bitDepth));
                if (type == PngColourType::GreyAlpha)
                    row.put(opaque);
                break;
            case PngColourType::Truecolour:
            case PngColourType::Rgba:
                for (const int channel : {qRed(c), qGreen(c), qBlue(c)})
                    row.put(scaledSample(channel, bitDepth));
                if (type == PngColourType::Rgba)
                    row.put(opaque);
                break;
            }
        }
        raw += row.take(1);
    }
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    if (type == PngColourType::Palette) {
        QByteArray entries;
        for (const QRgb c : palette)
            entries.append(static_cast<char>(qRed(c)))
                .append(static_cast<char>(qGreen(c)))
                .append(static_cast<char>(qBlue(c)));
        appendChunk(png, "PLTE", entries);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    QByteArray packed(static_cast<qsizetype>(size), '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(raw.constData()), static_cast<uLong>(raw.size()));
    packed.resize(static_cast<qsizetype>(size));
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", {});
    return png;
}

QByteArray encodePaletteBmp(const QImage& source, int bitDepth)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const std::vector<QRgb> palette = paletteOf(image);
    const int colours = 1 << bitDepth;
    QByteArray pixels;
    for (int y = image.height() - 1; y >= 0; --y) { // bottom-up
        RowWriter row(bitDepth);
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row.put(indexIn(palette, line[x]));
        pixels += row.take(4);
    }
    const int offset = 14 + 40 + 4 * colours;
    QByteArray bmp;
    const auto put16 = [&](int v) {
        bmp.append(static_cast<char>(v)).append(static_cast<char>(v >> 8));
    };
    const auto put32 = [&](qint64 v) {
        put16(static_cast<int>(v & 0xffff));
        put16(static_cast<int>((v >> 16) & 0xffff));
    };
    bmp.append("BM");
    put32(offset + pixels.size());
    put32(0);
    put32(offset);
    put32(40);
    put32(image.width());
    put32(image.height());
    put16(1);
    put16(bitDepth);
    put32(0); // no compression
    put32(pixels.size());
    put32(2835);
    put32(2835);
    put32(colours);
    put32(0);
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < static_cast<int>(palette.size()) ? palette[i] : 0;
        bmp.append(static_cast<char>(qBlue(c)))
            .append(static_cast<char>(qGreen(c)))
            .append(static_cast<char>(qRed(c)))
            .append('\0');
    }
    return bmp + pixels;
}
