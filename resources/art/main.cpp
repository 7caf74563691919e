// drawpictures: paints the built-in picture, the about picture, the desktop icons, the
// toolbar images and the sample pictures.
// Usage: drawpictures RESOURCES_FOLDER PICTURES_FOLDER
#include "gifwriter.h"
#include "pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <minizip/zip.h>
#include <utility>
#include <vector>

namespace {
using NamedFile = std::pair<QString, QByteArray>;

QByteArray encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, qstrcmp(format, "JPG") == 0 ? 90 : -1); // PNGs fully packed
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeZip(const QString& path, const std::vector<NamedFile>& files)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (zip == nullptr)
        return false;
    bool ok = true;
    for (const auto& [name, bytes] : files) {
        const zip_fileinfo info{{0, 0, 12, 1, 0, 2026}, 0, 0, 0}; // noon, 1 January 2026
        ok = ok &&
             zipOpenNewFileInZip(zip, name.toUtf8().constData(), &info, nullptr, 0, nullptr, 0,
                                 nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION) == ZIP_OK &&
             zipWriteInFileInZip(zip, bytes.constData(), static_cast<unsigned>(bytes.size())) ==
                 ZIP_OK &&
             zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}
bool writeIcons(const QDir& resources)
{
    for (const int side : {16, 24, 32, 48, 64, 128, 256, 512}) {
        if (!writeFile(resources.filePath(QStringLiteral("desktop/icons/%1.png").arg(side)),
                       encode(paintIcon(side), "PNG")))
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    const QDir pictures(QString::fromLocal8Bit(argv[2]));
    const bool ok =
        writeFile(resources.filePath(QStringLiteral("builtin.bmp")),
                  encode(paintBuiltin(), "BMP")) &&
        writeFile(resources.filePath(QStringLiteral("about.bmp")), encode(paintAbout(), "BMP")) &&
        writeFile(resources.filePath(QStringLiteral("about@2x.png")),
                  encode(paintAbout(2), "PNG")) &&
        writeFile(resources.filePath(QStringLiteral("toolbar-light.bmp")),
                  encode(paintToolbarStrip(false), "BMP")) &&
        writeFile(resources.filePath(QStringLiteral("toolbar-dark.bmp")),
                  encode(paintToolbarStrip(true), "BMP")) &&
        writeFile(resources.filePath(QStringLiteral("toolbar-light@2x.png")),
                  encode(paintToolbarStrip(false, 2), "PNG")) &&
        writeFile(resources.filePath(QStringLiteral("toolbar-dark@2x.png")),
                  encode(paintToolbarStrip(true, 2), "PNG")) &&
        writeIcons(resources) &&
        writeFile(pictures.filePath(QStringLiteral("balloons.bmp")),
                  encode(paintBalloons(), "BMP")) &&
        writeFile(pictures.filePath(QStringLiteral("coral-reef.jpg")),
                  encode(paintCoralReef(), "JPG")) &&
        writeFile(pictures.filePath(QStringLiteral("patchwork.gif")),
                  encodeGif(paintPatchwork())) &&
        writeZip(pictures.filePath(QStringLiteral("collection.zip")),
                 {{QStringLiteral("night-city.jpg"), encode(paintNightCity(), "JPG")},
                  {QStringLiteral("garden.bmp"), encode(paintGarden(), "BMP")},
                  {QStringLiteral("rainbow.gif"), encodeGif(paintRainbow())}});
    return ok ? 0 : 1;
}
