// Test ZIP archives: writes archives, sound or deliberately broken, for the tests.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <vector>

struct TestZipEntry {
    QByteArray name;
    QByteArray data;
    // What the central directory claims instead of the truth; the data is then stored.
    std::optional<quint32> declaredSize = std::nullopt;
    std::optional<quint32> declaredCrc = std::nullopt;
    bool encrypted = false;
};

// False when the archive could not be written.
bool writeTestZip(const QString& path, const std::vector<TestZipEntry>& entries);

// Encoded pictures of the given size, in a format Qt can write ("BMP", "JPG").
QByteArray encodedPicture(int width, int height, const char* format);
// An image with detail everywhere, as a photograph has: smooth waves of colour, a fine
// texture and a little noise, the same for the same seed. No two neighbouring columns or
// rows are alike.
QImage photoLikeImage(int width, int height, quint32 seed = 1);
// The image encoded in a format Qt can write, at the given quality (-1: the default).
QByteArray encoded(const QImage& image, const char* format, int quality = -1);
