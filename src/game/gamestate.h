// GameState: the one record of settings, picture source, board, game and layout of a run.
#pragma once

#include "board.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

enum class ToolbarDock { Top = 1, Bottom = 2, Floating = 3 };

// Owned by the application for the whole run and handed by reference to what needs it.
// The initialisers are the values before the settings are read.
struct GameState {
    // Settings, kept in the profile's "Settings" section.
    int dimension = 4;   // N of the N x N board, 3..10
    int grid = 1;        // grid lines drawn when non-zero
    int gridColour = 0;  // 0 black, 1 white, 2 red
    int selColour = 1;   // 0 black, 1 yellow, 2 red
    int sound = 1;       // sounds played when non-zero
    int puzzleMode = 0;  // 0 tile swap; anything else plays as the slider
    int statusBar = 1;   // moves and time shown below the board when non-zero
    int tileNumbers = 0; // each tile's home number drawn on it when non-zero
    QString folder;      // where New draws a random picture from

    // Picture source.
    QString programFolder; // the program file's folder, ending in a separator
    QString picturePath;   // the picture file, or the archive holding the picture
    int zipIndex = 0;      // 1-based position among the archive's picture entries
    int zipCount = 0;      // number of picture entries in that archive
    bool defaultPictureShown = false;
    bool giftMode = false;
    QByteArray giftPicture; // a gift's picture, kept in memory: no file of it is written

    // Board and the tile-swap selection.
    Board board;
    int selectedTile = -1; // -1 when nothing is selected
    int selectedCol = 0;
    int selectedRow = 0;

    // Current game.
    int moves = 0;
    std::int64_t startTime = 0; // wall-clock seconds
    std::int64_t elapsed = 0;   // seconds
    bool solvedByMove = false;
    bool puzzleOver = false;

    // Layout, in pixels.
    int boardWidth = 0;
    int boardHeight = 0;
    int tileWidth = 0;
    int tileHeight = 0;
    int menuBarHeight = 0;
    int captionHeight = 0;
    int dialogFrameBorder = 0;
    int toolbarBand = 0; // the height a docked toolbar takes
    bool toolbarVisible = true;
    ToolbarDock toolbarDock = ToolbarDock::Top;

    // Window flags.
    bool modelessOpen = false; // the solution window or the gift dialog is open
    bool windowReady = false;  // start-up finished; toolbar moves may resize the window
};
