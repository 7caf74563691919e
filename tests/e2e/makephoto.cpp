// makephoto WIDTH HEIGHT FILE: writes a photo-like picture, in the format the name says.
#include "testzip.h"

#include <QCoreApplication>
#include <QImageWriter>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // image plugins are found through it
    if (argc != 4)
        return 2;
    const int width = QByteArray(argv[1]).toInt();
    const int height = QByteArray(argv[2]).toInt();
    QImageWriter writer(QString::fromLocal8Bit(argv[3]));
    writer.setQuality(85);
    return width > 0 && height > 0 && writer.write(photoLikeImage(width, height)) ? 0 : 1;
}
