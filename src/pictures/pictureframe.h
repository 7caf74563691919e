// Picture frame: a picture drawn in the small windows' frames, and the size of its preview.
#pragma once

#include "picture.h"

#include <QMargins>
#include <QRect>

// Where a frame's inner area starts: 3 pixels in from its left edge and 9 below its top
// edge, below the frame's caption line; it runs to the frame's right and bottom edges.
constexpr QMargins PictureFrameInset{3, 9, 0, 0};

// Draws the whole picture stretched into a frame's inner area.
bool drawInFrame(QPainter* painter, const Picture& picture, const QRect& frame);
// A fit for a picture stretched over a frame's inner area on a screen of the given ratio.
PictureFit frameFit(const QRect& frame, qreal devicePixelRatio);

// The size of a picture's preview in the small windows: the longer side 200 pixels, the
// other in proportion (the ratio held in single precision, the result truncated).
QSize previewSize(QSize picture);
// A fit for a preview of that size on a screen of the given ratio.
PictureFit previewFit(qreal devicePixelRatio);
