// BoardPainter: draws the board, its hole, grid and selection, from the current picture.
#pragma once

#include "tileimages.h"

#include <QColor>

struct GameState;
class Picture;
class QPainter;

// Grid and selection colours by their stored index; unknown indices fall back as they
// always have (grid black, selection red).
QColor gridColour(int index);
QColor selectionColour(int index);

// Draws the whole board with its top-left corner at the painter's origin, in the device
// pixels of the painter's surface: cell edges, grid lines and the selection outline fall on
// whole device pixels, and lines are one logical pixel wide. The tiles are cut and scaled
// once per picture, layout and pixel ratio, so a repaint only copies them.
class BoardPainter {
public:
    struct HoleColours {
        QColor face;   // the hole's fill
        QColor shadow; // its sunken top and left edges
    };

    void paint(QPainter& painter, const GameState& state, const Picture& picture,
               const HoleColours& hole);

private:
    TileImages tiles_;
};
