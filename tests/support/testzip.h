// Test ZIP archives: writes archives, sound or deliberately broken, for the tests.
#pragma once

#include <QByteArray>
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
