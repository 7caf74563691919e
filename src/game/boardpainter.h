// BoardPainter: draws the board, its hole, grid and selection, from the current picture.
#pragma once

#include "boardmotion.h"
#include "tileimages.h"

#include <QColor>
#include <QSize>
#include <optional>

struct PlayerSettings;
struct Round;
enum class GridColour;
enum class SelectionColour;
class Picture;
class QPainter;

QColor gridColour(GridColour colour);
QColor selectionColour(SelectionColour colour);

// What one paint shows: the round's board and selection, as the settings draw it, in tiles of
// the given logical size, with the tiles of a move on their way and the keyboard's focus cell
// marked at its corners; or, in a peek, the whole
// finished picture alone. A finished game's board shows whole: the slider's missing tile in
// the hole and no tile numbers, as far as the motion's finish has come.
struct BoardScene {
    const Round& round;
    const PlayerSettings& settings;
    QSize tile;
    BoardMotion motion = {};
    bool peek = false;
    std::optional<Cell> focus = {}; // the keyboard's cell, once a key has been used
};

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

    void paint(QPainter& painter, const BoardScene& scene, const Picture& picture,
               const HoleColours& hole);

private:
    TileImages tiles_;
};
