// BoardPainter: draws the board, its hole, grid and selection, from the current picture.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

struct GameState;
class Picture;
class QPainter;

// Grid and selection colours by their stored index; unknown indices fall back as they
// always have (grid black, selection red).
QColor gridColour(int index);
QColor selectionColour(int index);

// Draws the whole board with its top-left corner at the painter's origin. The picture is
// scaled to the board once per picture, size and grid, so a repaint only copies tiles.
class BoardPainter {
public:
    struct HoleColours {
        QColor face;   // the hole's fill
        QColor shadow; // its sunken top and left edges
    };

    void paint(QPainter& painter, const GameState& state, const Picture& picture,
               const HoleColours& hole);

private:
    const QImage& scaledPicture(const Picture& picture, QSize board, int n);

    QImage scaled_;
    qint64 scaledFrom_ = 0;
    QSize scaledSize_;
    int scaledGrid_ = 0;
};
