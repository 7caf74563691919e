// Board accessible: the board as a screen reader reads it, a table of one cell per tile.
#pragma once

#include "board.h"

#include <QAccessible>
#include <optional>

class BoardView;

// The board's accessible interface: a table of N x N cells in reading order, each named by
// the tile it shows and where that tile belongs, and described "In place" when it is there;
// selected and focus cells are so marked.
QAccessibleInterface* boardAccessible(BoardView* view);

// Tells assistive technology what a move did: the cells whose tiles changed are renamed,
// and the selection announced where it changed. Nothing while none listens.
void announceMove(BoardView& view, const Board& before, std::optional<Cell> selectedBefore);
// Announces the focus cell where it now is.
void announceFocus(BoardView& view);
