// Photo codec plugin: HEIF, AVIF and JPEG XL for every image reader of the program.
#pragma once

#include <QImageIOPlugin>

// Linked into the program, not loaded from a folder: the installed game needs no plugin path.
class PhotoCodecPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "photocodecs.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};
