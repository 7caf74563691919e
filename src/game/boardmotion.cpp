// Board motion: how the tiles of a move travel, and the finished picture's fade.
#include "boardmotion.h"

#include <algorithm>
#include <array>

std::vector<Glide> glidesBetween(const Board& before, const Board& after)
{
    const int n = after.dimension();
    std::array<Cell, Board::MaxCells> was{};
    for (int row = 0; row < n; ++row)
        for (int col = 0; col < n; ++col)
            if (const int tile = before.at({col, row}); tile != Board::Hole)
                was[static_cast<std::size_t>(tile)] = {col, row};
    std::vector<Glide> glides;
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const Cell cell{col, row};
            const int tile = after.at(cell);
            if (tile != Board::Hole && before.at(cell) != tile)
                glides.push_back({tile, was[static_cast<std::size_t>(tile)], cell});
        }
    }
    return glides;
}

QRect glidesArea(const std::vector<Glide>& glides, QSize tile)
{
    QRect area;
    for (const Glide& glide : glides)
        for (const Cell cell : {glide.from, glide.to})
            area |= QRect(QPoint(cell.col * tile.width(), cell.row * tile.height()), tile);
    // A device pixel more each way: cell edges are rounded to whole device pixels.
    return area.isEmpty() ? area : area.adjusted(-1, -1, 1, 1);
}

double easedOut(double t)
{
    const double left = 1 - std::clamp(t, 0.0, 1.0);
    return 1 - left * left * left;
}
