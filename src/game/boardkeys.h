// Board keys: what a key does on the board, so that the whole game plays without a mouse.
#pragma once

#include "board.h"

#include <Qt>
#include <optional>

struct Round;

// What a key asks of the board: where the focus cell goes, and a cell to click as the mouse
// would or the tile-swap selection to drop.
struct KeyPlay {
    Cell focus;
    std::optional<Cell> click = {};
    bool dropSelection = false;
    friend bool operator==(const KeyPlay&, const KeyPlay&) = default;
};

// In the slider an arrow slides the tile beside the hole into it, in the arrow's direction,
// and Shift with an arrow moves the focus cell; in tile swap an arrow moves the focus cell.
// Enter or Return clicks the focus cell (in the slider, a slide of every tile up to it), and
// Escape drops the tile-swap selection. The focus cell, until a key has placed it, starts on
// the slider's hole or the selected tile, else in the top-left corner; after a slide it is on
// the hole. Nothing for any other key, nor for a key with nothing to do: an arrow with no tile
// beside the hole that way, Escape with nothing selected.
std::optional<KeyPlay> keyPlay(const Round& round, std::optional<Cell> focus, int key,
                               Qt::KeyboardModifiers modifiers);
