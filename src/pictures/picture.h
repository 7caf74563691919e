// Picture: a decoded BMP, JPEG or GIF picture together with the bytes it was decoded from.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QMargins>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

// The largest picture file or archive entry the game reads into memory.
constexpr qint64 MaxPictureBytes = qint64{256} * 1024 * 1024;

// The picture built into the program, shown whenever no other picture can be.
namespace BuiltInPicture {
inline const QString Name = QStringLiteral("IDR_BMP2");
inline const QString Type = QStringLiteral("BMP");
} // namespace BuiltInPicture

// Every load releases the old picture first, so a failed load leaves the Picture empty.
// The format always comes from the bytes, never from a file name. Sizes are in pixels.
class Picture {
public:
    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // False for a missing, unreadable, empty or oversized file, or undecodable bytes.
    bool loadFromFile(const QString& path);
    bool loadFromMemory(const QByteArray& bytes);
    // A picture carried in the program's resources, addressed by type and name.
    bool loadFromResource(const QString& name, const QString& type);
    bool loadBuiltIn() { return loadFromResource(BuiltInPicture::Name, BuiltInPicture::Type); }
    void release();

    bool isEmpty() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }

    // Stretches the source rectangle (picture pixels) over the destination rectangle.
    // False, drawing nothing, without a painter or a picture.
    bool draw(QPainter* painter, const QRect& destination, const QRect& source) const;

    // The encoded bytes exactly as loaded; empty when the Picture is empty.
    QByteArray saveEncoded() const { return encoded_; }

private:
    QImage image_;
    QByteArray encoded_;
};

// Where a frame's inner area starts: 3 pixels in from its left edge and 9 below its top
// edge, below the frame's caption line; it runs to the frame's right and bottom edges.
constexpr QMargins PictureFrameInset{3, 9, 0, 0};

// Draws the whole picture stretched into a frame's inner area.
bool drawInFrame(QPainter* painter, const Picture& picture, const QRect& frame);

// The size of a picture's preview in the small windows: the longer side 200 pixels, the
// other in proportion (the ratio held in single precision, the result truncated).
QSize previewSize(QSize picture);
