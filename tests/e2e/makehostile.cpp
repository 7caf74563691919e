// makehostile KIND WIDTH HEIGHT FILE: writes a small file that promises a huge flat picture.
// KIND: png-rgba16, png-grey16, png-rgb8, tiff-rgba16, tiff-grey16 or webp-animated.
#include "hostilepictures.h"

#include <QCoreApplication>
#include <QFile>
#include <functional>
#include <map>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // image plugins are found through it
    if (argc != 5)
        return 2;
    const QSize size(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    const std::map<QByteArray, std::function<QByteArray()>> kinds{
        {"png-rgba16",
         [&] {
             return flatPng(size, PngColourType::Rgba, 16);
         }},
        {"png-grey16",
         [&] {
             return flatPng(size, PngColourType::Grey, 16);
         }},
        {"png-rgb8",
         [&] {
             return flatPng(size, PngColourType::Truecolour, 8);
         }},
        {"tiff-rgba16",
         [&] {
             return flatTiff(size, 4);
         }},
        {"tiff-grey16",
         [&] {
             return flatTiff(size, 1);
         }},
        {"webp-animated",
         [&] {
             return animatedWebp(size);
         }},
    };
    const auto kind = kinds.find(argv[1]);
    QFile file(QString::fromLocal8Bit(argv[4]));
    if (kind == kinds.end() || size.isEmpty() || !file.open(QIODevice::WriteOnly))
        return 2;
    return file.write(kind->second()) > 0 ? 0 : 1;
}
