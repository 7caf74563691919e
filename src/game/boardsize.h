// Board size: the room a window leaves for the board, and how large the board is drawn in it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

struct BoardRoom {
    QSize available;       // the screen's work area less 50 pixels each way, less the
                           // caption, the toolbar band and the menu bar below
    int menuBarHeight = 0; // taken off a scaled-down landscape board
    int toolbarBand = 0;   // the same, while the toolbar shows, docked or floating; else 0
};

// The main window's bands around the board, in logical pixels.
struct WindowBands {
    int caption = 0;
    int menuBar = 0;
    int toolbar = 0; // the height the toolbar takes while docked
    bool toolbarShown = true;
};

// The room for a board in a screen's work area: 50 pixels less each way, less the bands and
// the status bar's height (0 while hidden). A hidden toolbar still costs its band there;
// only a scaled-down board gets it back.
BoardRoom boardRoomIn(QRect work, const WindowBands& bands, int statusBar);
// Where a window's frame moves so that it stays within the room its board was sized for:
// back to 50 pixels from the left when it runs off the right, to 5 from the top when too
// tall.
QPoint keptOnScreen(QRect frame, QRect work, QSize available);

// The board for a picture of the given pixel size on an N x N grid: at least 350 pixels
// wide, the picture's own size when it fits, scaled down when it does not, then cut down to
// whole tiles. Tiles are never smaller than MinTilePixels, whatever the picture's shape.
QSize boardSizeFor(QSize picture, const BoardRoom& room, int n);
constexpr int MinTilePixels = 8;

// The board filling an area, in full screen: as large as fits with the picture's shape, cut
// down to whole tiles, never of tiles smaller than MinTilePixels.
QSize boardFillingSize(QSize picture, QSize area, int n);

// The pixels to decode of a picture for any board of it in this room, on a screen of the
// given device pixel ratio: whole tiles are cut from these at every grid size.
QSize boardPixelsFor(QSize picture, const BoardRoom& room, qreal devicePixelRatio);
