// Picture frame: a picture drawn in the small windows' frames, and the size of its preview.
#include "pictureframe.h"

bool drawInFrame(QPainter* painter, const Picture& picture, const QRect& frame)
{
    const QRect inner = frame.marginsRemoved(PictureFrameInset);
    return picture.draw(painter, inner, QRect(QPoint(0, 0), picture.size()));
}

PictureFit frameFit(const QRect& frame, qreal devicePixelRatio)
{
    const QSize inner = frame.marginsRemoved(PictureFrameInset).size();
    return [=](QSize) {
        return devicePixels(inner, devicePixelRatio);
    };
}

PictureFit previewFit(qreal devicePixelRatio)
{
    return [=](QSize natural) {
        return devicePixels(previewSize(natural), devicePixelRatio);
    };
}

QSize previewSize(QSize picture)
{
    constexpr int Side = 200;
    if (picture.width() <= 0 || picture.height() <= 0)
        return {Side, Side};
    if (picture.width() > picture.height()) {
        const float ratio =
            static_cast<float>(picture.width()) / static_cast<float>(picture.height());
        return {Side, static_cast<int>(Side / static_cast<double>(ratio))};
    }
    const float ratio = static_cast<float>(picture.height()) / static_cast<float>(picture.width());
    return {static_cast<int>(Side / static_cast<double>(ratio)), Side};
}
