// Photo handler: Qt's image reader reading a HEIF, AVIF or JPEG XL file.
#pragma once

#include "signatures.h"

#include <QByteArray>
#include <QImageIOHandler>
#include <optional>

// Reads the whole file once, at the first question that needs it; the size comes from the
// header, before anything is decoded.
class PhotoHandler : public QImageIOHandler {
public:
    explicit PhotoHandler(PhotoCodec codec);

    bool canRead() const override;
    bool read(QImage* image) override;
    QVariant option(ImageOption option) const override;
    bool supportsOption(ImageOption option) const override;

    // The name Qt's reader gives the codec's format.
    static QByteArray formatName(PhotoCodec codec);
    static std::optional<PhotoCodec> codecNamed(const QByteArray& name);

private:
    const QByteArray& bytes() const;
    std::optional<QSize> size() const;

    PhotoCodec codec_;
    mutable std::optional<QByteArray> bytes_;
    mutable std::optional<std::optional<QSize>> size_;
};
