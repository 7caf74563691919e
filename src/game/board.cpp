// Board: the tiles of both puzzle modes, how they are jumbled, moved and found in order.
#include "board.h"

#include "platform/randomengine.h"

namespace {
constexpr int SliderJumbleSlides = 10000;

// Walks the in-use cells in reading order, the order in which tile numbers count up.
template <typename Visit> bool allInReadingOrder(int n, Visit visit)
{
    for (int row = 0; row < n; ++row)
        for (int col = 0; col < n; ++col)
            if (!visit(Cell{col, row}))
                return false;
    return true;
}
} // namespace

void Board::setSolved(PuzzleMode mode, int n)
{
    fillSolved(n);
    if (mode == PuzzleMode::Slider) {
        hole_ = {n - 1, n - 1};
        put(hole_, Hole);
        hasHole_ = true;
    }
}

void Board::jumble(PuzzleMode mode, int n, RandomEngine& random)
{
    if (mode == PuzzleMode::TileSwap)
        jumbleTiles(n, random);
    else
        walkHole(n, random);
}

void Board::jumbleTiles(int n, RandomEngine& random)
{
    std::array<bool, MaxDimension * MaxDimension> used{};
    for (int col = 0; col < n; ++col) {
        for (int row = 0; row < n; ++row) {
            int tile = random.below(n * n);
            while (used[tile])
                tile = random.below(n * n);
            used[tile] = true;
            put({col, row}, tile);
        }
    }
    hasHole_ = false;
}

void Board::walkHole(int n, RandomEngine& random)
{
    setSolved(PuzzleMode::Slider, n);
    // One draw picks a cell of the hole's row or of its column, each with the same chance. A
    // draw that lands on the hole is an illegal slide and still counts.
    for (int i = 0; i < SliderJumbleSlides; ++i) {
        const int pick = random.below(2 * n);
        if (pick < n)
            slide({pick, hole_.row});
        else
            slide({hole_.col, pick - n});
    }
    slide({n - 1, hole_.row});
    slide({hole_.col, n - 1});
}

bool Board::slide(Cell clicked)
{
    if (!hasHole_ || clicked == hole_)
        return false;
    if (clicked.col != hole_.col && clicked.row != hole_.row)
        return false;
    if (clicked.col == hole_.col) {
        const int step = clicked.row > hole_.row ? 1 : -1;
        for (int row = hole_.row; row != clicked.row; row += step)
            put({clicked.col, row}, at({clicked.col, row + step}));
    } else {
        const int step = clicked.col > hole_.col ? 1 : -1;
        for (int col = hole_.col; col != clicked.col; col += step)
            put({col, clicked.row}, at({col + step, clicked.row}));
    }
    hole_ = clicked;
    put(hole_, Hole);
    return true;
}

void Board::swap(Cell selected, Cell clicked)
{
    const int tile = at(selected);
    put(selected, at(clicked));
    put(clicked, tile);
}

bool Board::isSolved(PuzzleMode mode, int n) const
{
    const Cell corner{n - 1, n - 1};
    return allInReadingOrder(n, [&](Cell cell) {
        return (mode == PuzzleMode::Slider && cell == corner) || at(cell) == homeNumber(cell, n);
    });
}

void Board::fillSolved(int n)
{
    allInReadingOrder(n, [&](Cell cell) {
        put(cell, homeNumber(cell, n));
        return true;
    });
    hasHole_ = false;
}
