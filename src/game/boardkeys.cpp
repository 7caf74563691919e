// Board keys: what a key does on the board, so that the whole game plays without a mouse.
#include "boardkeys.h"

#include "gameflow.h"

#include <algorithm>

namespace {
std::optional<Cell> arrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return Cell{-1, 0};
    case Qt::Key_Right:
        return Cell{1, 0};
    case Qt::Key_Up:
        return Cell{0, -1};
    case Qt::Key_Down:
        return Cell{0, 1};
    default:
        return std::nullopt;
    }
}

Cell startingFocus(const Round& round)
{
    const Board& board = round.board;
    if (board.mode() == PuzzleMode::Slider && board.hasHole())
        return {board.holeCol(), board.holeRow()};
    return round.selected.value_or(Cell{0, 0});
}

Cell onBoard(Cell cell, int n)
{
    return {std::clamp(cell.col, 0, n - 1), std::clamp(cell.row, 0, n - 1)};
}
} // namespace

std::optional<KeyPlay> keyPlay(const Round& round, std::optional<Cell> focus, int key,
                               Qt::KeyboardModifiers modifiers)
{
    const Board& board = round.board;
    const int n = board.dimension();
    const Cell at = onBoard(focus.value_or(startingFocus(round)), n);
    const bool slider = board.mode() == PuzzleMode::Slider;
    modifiers &= ~Qt::KeypadModifier;
    if (const std::optional<Cell> step = arrowStep(key)) {
        if (modifiers == Qt::NoModifier && slider) {
            // The tile on the far side of the hole moves the arrow's way, into it.
            const Cell tile{board.holeCol() - step->col, board.holeRow() - step->row};
            if (!board.hasHole() || !board.contains(tile))
                return std::nullopt;
            return KeyPlay{tile, tile};
        }
        if (modifiers == (slider ? Qt::ShiftModifier : Qt::NoModifier))
            return KeyPlay{onBoard({at.col + step->col, at.row + step->row}, n)};
        return std::nullopt;
    }
    if (modifiers != Qt::NoModifier)
        return std::nullopt;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return KeyPlay{at, at};
    if (key == Qt::Key_Escape && round.selected)
        return KeyPlay{at, std::nullopt, true};
    return std::nullopt;
}
