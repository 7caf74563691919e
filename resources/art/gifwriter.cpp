// GIF writer: encodes a picture as a GIF file, for the sample pictures.
#include "gifwriter.h"

#include <QHash>
#include <QImage>
#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {
constexpr int MinCodeSize = 8;
constexpr int ClearCode = 1 << MinCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int MaxCode = 4095;

// Packs codes least significant bit first into 255-byte sub-blocks.
class CodeStream {
public:
    void put(int code, int width)
    {
        bits_ |= static_cast<quint32>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.append(static_cast<char>(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }

    QByteArray blocks()
    {
        if (count_ > 0)
            bytes_.append(static_cast<char>(bits_ & 0xFF));
        QByteArray out;
        for (qsizetype at = 0; at < bytes_.size(); at += 255) {
            const QByteArray block = bytes_.mid(at, 255);
            out.append(static_cast<char>(block.size()));
            out.append(block);
        }
        out.append('\0');
        return out;
    }

private:
    QByteArray bytes_;
    quint32 bits_ = 0;
    int count_ = 0;
};

QByteArray compress(const QImage& indexed)
{
    CodeStream stream;
    QHash<quint32, int> table; // (prefix code << 8 | next index) -> code
    int width = MinCodeSize + 1;
    int next = EndCode + 1;
    stream.put(ClearCode, width);
    int prefix = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* row = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int index = row[x];
            if (prefix < 0) {
                prefix = index;
                continue;
            }
            const quint32 key = static_cast<quint32>(prefix) << 8 | static_cast<quint32>(index);
            const auto found = table.constFind(key);
            if (found != table.constEnd()) {
                prefix = found.value();
                continue;
            }
            stream.put(prefix, width);
            const int code = next++;
            table.insert(key, code);
            if (code >= (1 << width))
                ++width;
            if (code == MaxCode) {
                stream.put(ClearCode, width);
                table.clear();
                width = MinCodeSize + 1;
                next = EndCode + 1;
            }
            prefix = index;
        }
    }
    stream.put(prefix, width);
    stream.put(EndCode, width);
    return stream.blocks();
}

// The 256 most common colours (at 5 bits a channel), each the average of what it stands
// for; every pixel then takes its nearest palette colour. No dithering, so gradients band
// gently instead of turning to noise.
QImage quantised(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto bin = [](QRgb c) {
        return (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3;
    };
    std::vector<std::array<qint64, 4>> sums(1 << 15); // red, green, blue, count
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            auto& sum = sums[bin(line[x])];
            sum[0] += qRed(line[x]);
            sum[1] += qGreen(line[x]);
            sum[2] += qBlue(line[x]);
            ++sum[3];
        }
    }
    std::vector<int> bins(sums.size());
    std::iota(bins.begin(), bins.end(), 0);
    std::partial_sort(bins.begin(), bins.begin() + 256, bins.end(),
                      [&](int a, int b) { return sums[a][3] > sums[b][3]; });
    QList<QRgb> palette;
    for (int i = 0; i < 256 && sums[bins[i]][3] > 0; ++i) {
        const auto& sum = sums[bins[i]];
        palette << qRgb(sum[0] / sum[3], sum[1] / sum[3], sum[2] / sum[3]);
    }
    std::vector<int> nearest(sums.size(), -1);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            int& index = nearest[bin(line[x])];
            if (index < 0) {
                const auto distance = [&](QRgb c) {
                    const int r = qRed(c) - qRed(line[x]);
                    const int g = qGreen(c) - qGreen(line[x]);
                    const int b = qBlue(c) - qBlue(line[x]);
                    return r * r + g * g + b * b;
                };
                index = static_cast<int>(
                    std::min_element(palette.begin(), palette.end(),
                                     [&](QRgb a, QRgb b) { return distance(a) < distance(b); }) -
                    palette.begin());
            }
            out[x] = static_cast<uchar>(index);
        }
    }
    return indexed;
}

void putWord(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}
} // namespace

QByteArray encodeGif(const QImage& image)
{
    const QImage indexed = quantised(image);
    QByteArray out("GIF89a");
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append(static_cast<char>(0xF7)); // global table of 256 colours
    out.append('\0');                    // background colour
    out.append('\0');                    // square pixels
    const QList<QRgb> colours = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : 0;
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }
    out.append(',');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append('\0'); // no local table, not interlaced
    out.append(static_cast<char>(MinCodeSize));
    out.append(compress(indexed));
    out.append(';');
    return out;
}
