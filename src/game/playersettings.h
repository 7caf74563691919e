// Player settings: what the player chooses in the menus, kept from one run to the next.
#pragma once

#include "board.h"

#include <QString>

enum class GridColour { Black, White, Red };
enum class SelectionColour { Black, Yellow, Red };

// The initialisers are the defaults: a first run's, and those of any key a profile lacks.
struct PlayerSettings {
    int dimension = 4; // N of the N x N board, 3..10
    bool grid = true;
    GridColour gridColour = GridColour::Black;
    SelectionColour selColour = SelectionColour::Yellow;
    bool sound = true;
    PuzzleMode puzzleMode = PuzzleMode::TileSwap;
    bool statusBar = true;    // moves and time shown below the board
    bool tileNumbers = false; // each tile's home number drawn on it
    bool animations = true;   // moves glide, the finished picture fades in
    QString folder;           // where New draws a random picture from
    friend bool operator==(const PlayerSettings&, const PlayerSettings&) = default;
};
