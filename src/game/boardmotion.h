// Board motion: how the tiles of a move travel, and the finished picture's fade.
#pragma once

#include "board.h"

#include <QRect>
#include <QSize>
#include <vector>

// A tile on its way from one cell to another.
struct Glide {
    int tile = 0;
    Cell from;
    Cell to;
    friend bool operator==(const Glide&, const Glide&) = default;
};

// What the drawing shows between the board as it was and as it is. Glides are drawn at
// `progress` of the way (0 where they left, 1 arrived); the finished picture's missing tile
// and the fading of the tile numbers are `finish` of the way (1: the finished look).
struct BoardMotion {
    std::vector<Glide> glides;
    double progress = 1;
    double finish = 1;
};

// The tiles that changed cells from one board to the next of the same game: each from the
// cell it held to the one it holds now. The hole does not glide.
std::vector<Glide> glidesBetween(const Board& before, const Board& after);

// The part of the board, in logical pixels for tiles of the given size, that the glides pass
// over: all a frame of theirs has to draw again.
QRect glidesArea(const std::vector<Glide>& glides, QSize tile);

// Quick at first, gently to rest: the eased share of a motion `t` of the way through.
double easedOut(double t);
