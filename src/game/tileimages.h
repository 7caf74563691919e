// Tile images: each tile's part of the picture, scaled on its own to its cell's device pixels.
#pragma once

#include <QImage>
#include <QSize>
#include <vector>

class Picture;

// Tiles are cut from the picture at whole source-tile sizes, as the board always has been;
// the few pixels past the last whole tile never show. A tile is scaled from its own part
// alone, so no colour of a neighbour reaches its edges. Each image is as large as the widest
// and tallest cell the tile can land in, in device pixels. Numbered tiles have a badge of
// their home number (1 to N x N), drawn over the tile's top-left corner so it can fade.
class TileImages {
public:
    // Rebuilds the images unless they were made from these pixels for this layout.
    void update(const Picture& picture, int n, QSize tile, qreal devicePixelRatio, bool numbered);
    const QImage& operator[](int tile) const { return images_[static_cast<size_t>(tile)]; }
    // Null while the tiles are not numbered.
    const QImage& badge(int tile) const { return badges_[static_cast<size_t>(tile)]; }

private:
    std::vector<QImage> images_;
    std::vector<QImage> badges_;
    qint64 madeFrom_ = 0;
    int grid_ = 0;
    QSize tile_;
    qreal ratio_ = 0;
    bool numbered_ = false;
};
