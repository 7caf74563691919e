// Board: the tiles of both puzzle modes, how they are jumbled, moved and found in order.
#include "board.h"

#include "platform/randomengine.h"

#include <algorithm>

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

// Whether sorting the tiles takes an odd number of exchanges.
bool isOddPermutation(std::vector<int> tiles)
{
    bool odd = false;
    for (size_t i = 0; i < tiles.size(); ++i) {
        while (tiles[i] != static_cast<int>(i)) {
            std::swap(tiles[i], tiles[static_cast<size_t>(tiles[i])]);
            odd = !odd;
        }
    }
    return odd;
}

// Every slide of one tile exchanges the hole with a neighbour: it flips the parity of the
// permutation (the hole counted as the last tile) and of the hole's distance from the
// bottom-right corner together. So a position is solvable exactly when the two agree.
bool slidesCanSolve(std::vector<int> tiles, int n)
{
    const auto hole = std::find(tiles.begin(), tiles.end(), Board::Hole);
    const int at = static_cast<int>(hole - tiles.begin());
    *hole = n * n - 1;
    const int distance = (n - 1 - at % n) + (n - 1 - at / n);
    return isOddPermutation(std::move(tiles)) == (distance % 2 == 1);
}
} // namespace

Board::Board(PuzzleMode mode, int n)
    : mode_(mode)
    , n_(std::clamp(n, SmallestBoard, MaxDimension))
{
    fillSolved();
    if (mode_ == PuzzleMode::Slider) {
        hole_ = {n_ - 1, n_ - 1};
        put(hole_, Hole);
        hasHole_ = true;
    }
}

void Board::jumble(RandomEngine& random)
{
    if (mode_ == PuzzleMode::TileSwap)
        jumbleTiles(random);
    else
        walkHole(random);
}

void Board::jumbleTiles(RandomEngine& random)
{
    std::array<bool, MaxCells> used{};
    for (int col = 0; col < n_; ++col) {
        for (int row = 0; row < n_; ++row) {
            int tile = random.below(cellCount());
            while (used[tile])
                tile = random.below(cellCount());
            used[tile] = true;
            put({col, row}, tile);
        }
    }
}

void Board::walkHole(RandomEngine& random)
{
    *this = Board(PuzzleMode::Slider, n_);
    // One draw picks a cell of the hole's row or of its column, each with the same chance. A
    // draw that lands on the hole is an illegal slide and still counts.
    for (int i = 0; i < SliderJumbleSlides; ++i) {
        const int pick = random.below(2 * n_);
        if (pick < n_)
            slide({pick, hole_.row});
        else
            slide({hole_.col, pick - n_});
    }
    slide({n_ - 1, hole_.row});
    slide({hole_.col, n_ - 1});
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

bool Board::isSolved() const
{
    const Cell corner{n_ - 1, n_ - 1};
    return allInReadingOrder(n_, [&](Cell cell) {
        return (mode_ == PuzzleMode::Slider && cell == corner) || at(cell) == homeNumber(cell);
    });
}

int Board::tilesHome() const
{
    int home = 0;
    allInReadingOrder(n_, [&](Cell cell) {
        home += at(cell) == homeNumber(cell) ? 1 : 0;
        return true;
    });
    return home;
}

void Board::fillSolved()
{
    allInReadingOrder(n_, [&](Cell cell) {
        put(cell, homeNumber(cell));
        return true;
    });
    hasHole_ = false;
}

std::vector<int> Board::tiles() const
{
    std::vector<int> tiles;
    allInReadingOrder(n_, [&](Cell cell) {
        tiles.push_back(at(cell));
        return true;
    });
    return tiles;
}

std::optional<Board> Board::fromTiles(PuzzleMode mode, int n, const std::vector<int>& tiles)
{
    if (n < MinDimension || n > MaxDimension || tiles.size() != static_cast<size_t>(n) * n)
        return std::nullopt;
    const bool slider = mode == PuzzleMode::Slider;
    // Each number once: the tiles, and in the slider the hole in place of the last tile.
    std::vector<bool> seen(static_cast<size_t>(n * n), false);
    for (const int tile : tiles) {
        const int slot = slider && tile == Hole ? n * n - 1 : tile;
        if (slot < 0 || slot >= n * n || seen[static_cast<size_t>(slot)] ||
            (slider && tile == n * n - 1))
            return std::nullopt;
        seen[static_cast<size_t>(slot)] = true;
    }
    if (slider && !slidesCanSolve(tiles, n))
        return std::nullopt;
    Board board(mode, n);
    size_t next = 0;
    allInReadingOrder(n, [&](Cell cell) {
        const int tile = tiles[next++];
        board.put(cell, tile);
        if (tile == Hole)
            board.hole_ = cell;
        return true;
    });
    return board;
}
