// Board size: how large the board is drawn for a picture, and the solution window's fit.
#pragma once

#include <QSize>

struct BoardRoom {
    QSize available;       // the screen's work area less 50 pixels each way, less the
                           // caption, the toolbar band and the menu bar below
    int menuBarHeight = 0; // taken off a scaled-down landscape board
    int toolbarBand = 0;   // the same, while the toolbar shows, docked or floating; else 0
};

// The board for a picture of the given pixel size on an N x N grid: at least 350 pixels
// wide, the picture's own size when it fits, scaled down when it does not, then cut down to
// whole tiles. Tiles are never smaller than MinTilePixels, whatever the picture's shape.
QSize boardSizeFor(QSize picture, const BoardRoom& room, int n);
constexpr int MinTilePixels = 8;

// The pixels to decode of a picture for any board of it in this room, on a screen of the
// given device pixel ratio: whole tiles are cut from these at every grid size.
QSize boardPixelsFor(QSize picture, const BoardRoom& room, qreal devicePixelRatio);
