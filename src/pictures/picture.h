// Picture: a picture's encoded bytes, its size, and its pixels decoded at the size shown.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QPainter;
class QRect;

// The largest picture file or archive entry the game reads into memory.
constexpr qint64 MaxPictureBytes = qint64{256} * 1024 * 1024;
// The most pixels a picture's header may promise: about 134 megapixels.
constexpr qint64 MaxPicturePixels = qint64{1} << 27;

// The picture built into the program, shown whenever no other picture can be.
namespace BuiltInPicture {
inline const QString Name = QStringLiteral("IDR_BMP2");
inline const QString Type = QStringLiteral("BMP");
} // namespace BuiltInPicture

// How many pixels each way a user shows of a picture of the given (natural) size. Pixels are
// never decoded beyond the natural size; without a fit, all of them are decoded.
using PictureFit = std::function<QSize(QSize natural)>;

// Why a picture cannot be shown.
enum class PictureFault {
    Unreadable,    // missing, no regular file, or its bytes cannot be read
    UnknownFormat, // the bytes are no picture of a format the game reads
    Damaged,       // a known format, but its header or data do not decode
    TooLarge,      // more bytes, pixels or memory than a picture may take
    NoPictures,    // an archive without a picture the game reads
};

// How a load went: well, or its fault, with what made a picture too large where known.
struct PictureLoad {
    PictureLoad() = default;
    // A fault is a failed load.
    PictureLoad(PictureFault why, QSize tooMany = {}, qint64 tooLong = 0)
        : fault(why)
        , pixels(tooMany)
        , bytes(tooLong)
    {}

    std::optional<PictureFault> fault;
    QSize pixels;     // a picture too large: its size, from its header
    qint64 bytes = 0; // a file too large: its length

    explicit operator bool() const { return !fault.has_value(); }
};

// Every load releases the old picture first, so a failed load leaves the Picture empty.
// The format always comes from the bytes, never from a file name. The natural size comes
// from the header, turned as the picture's orientation says; the pixels are the whole
// picture decoded at the size its fit asks for, so a large photo is never held at full size.
class Picture {
public:
    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    // Handed from the thread that decoded it to the window's.
    Picture(Picture&&) = default;
    Picture& operator=(Picture&&) = default;

    // Failed for a missing, unreadable, empty or oversized file, or undecodable bytes.
    PictureLoad loadFromFile(const QString& path, const PictureFit& fit = {});
    PictureLoad loadFromMemory(const QByteArray& bytes, const PictureFit& fit = {});
    // A picture carried in the program's resources, addressed by type and name.
    PictureLoad loadFromResource(const QString& name, const QString& type,
                                 const PictureFit& fit = {});
    PictureLoad loadBuiltIn(const PictureFit& fit = {})
    {
        return loadFromResource(BuiltInPicture::Name, BuiltInPicture::Type, fit);
    }
    // Another picture's bytes, with its pixels scaled down to the fit: nothing is decoded.
    bool loadFrom(const Picture& other, const PictureFit& fit);
    void release();

    // Whether the pixels hold at least this many each way, or all there are.
    bool covers(QSize pixels) const;
    // Decodes the bytes again unless the pixels cover this many; failed, and the Picture
    // empty, when that decoding fails.
    PictureLoad cover(QSize pixels);

    bool isEmpty() const { return pixels_.isNull(); }
    QSize size() const { return size_; }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    // Opaque pixels of the whole picture; transparent parts lie on white.
    const QImage& pixels() const { return pixels_; }

    // Stretches the source rectangle (natural pixels) over the destination rectangle,
    // smoothly. False, drawing nothing, without a painter or a picture.
    bool draw(QPainter* painter, const QRect& destination, const QRect& source) const;

    // The encoded bytes exactly as loaded; empty when the Picture is empty.
    QByteArray saveEncoded() const { return encoded_; }

private:
    QByteArray encoded_;
    QSize size_{0, 0};
    QImage pixels_;
};

// A size in device pixels, rounded up.
QSize devicePixels(QSize logical, qreal devicePixelRatio);
