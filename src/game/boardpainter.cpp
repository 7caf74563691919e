// BoardPainter: draws the board, its hole, grid and selection, from the current picture.
#include "boardpainter.h"

#include "gameflow.h"
#include "pictures/picture.h"
#include "playersettings.h"

#include <QPainter>
#include <vector>

namespace {
// The board's cell edges in device pixels, and the width of a line.
struct DeviceGrid {
    DeviceGrid(int n, int tileWidth, int tileHeight, qreal ratio)
        : line(std::max(1, qRound(ratio)))
    {
        for (int i = 0; i <= n; ++i) {
            x.push_back(qRound(i * tileWidth * ratio));
            y.push_back(qRound(i * tileHeight * ratio));
        }
    }

    QRect cell(int col, int row) const
    {
        return QRect(QPoint(x[col], y[row]), QPoint(x[col + 1] - 1, y[row + 1] - 1));
    }
    int right() const { return x.back(); }
    int bottom() const { return y.back(); }

    std::vector<int> x;
    std::vector<int> y;
    int line;
};

void drawHole(QPainter& painter, const QRect& cell, int line, const BoardPainter::HoleColours& hole)
{
    painter.fillRect(cell, hole.face);
    painter.fillRect(cell.x(), cell.y(), cell.width(), line, hole.shadow);
    painter.fillRect(cell.x(), cell.y(), line, cell.height(), hole.shadow);
    painter.fillRect(cell.x(), cell.bottom() + 1 - line, cell.width(), line, Qt::white);
    painter.fillRect(cell.right() + 1 - line, cell.y(), line, cell.height(), Qt::white);
}

// A line along the left edge of each column and the top of each row, and the board's own
// right and bottom edges.
void drawGrid(QPainter& painter, const DeviceGrid& grid, const QColor& colour)
{
    const int n = static_cast<int>(grid.x.size()) - 1;
    for (int i = 0; i < n; ++i) {
        painter.fillRect(grid.x[i], 0, grid.line, grid.bottom(), colour);
        painter.fillRect(0, grid.y[i], grid.right(), grid.line, colour);
    }
    painter.fillRect(grid.right() - grid.line, 0, grid.line, grid.bottom(), colour);
    painter.fillRect(0, grid.bottom() - grid.line, grid.right(), grid.line, colour);
}

// The outline covers the cell's own first column and row and the next cell's, where the
// grid lines run; in the last column and row it keeps to the board.
void drawSelection(QPainter& painter, const DeviceGrid& grid, Cell at, const QColor& colour)
{
    const int n = static_cast<int>(grid.x.size()) - 1;
    const int left = grid.x[at.col];
    const int top = grid.y[at.row];
    const int right = at.col == n - 1 ? grid.right() - grid.line : grid.x[at.col + 1];
    const int bottom = at.row == n - 1 ? grid.bottom() - grid.line : grid.y[at.row + 1];
    const int width = right + grid.line - left;
    const int height = bottom + grid.line - top;
    painter.fillRect(left, top, width, grid.line, colour);
    painter.fillRect(left, bottom, width, grid.line, colour);
    painter.fillRect(left, top, grid.line, height, colour);
    painter.fillRect(right, top, grid.line, height, colour);
}
} // namespace

QColor gridColour(GridColour colour)
{
    static const QColor colours[] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}};
    return colours[static_cast<int>(colour)];
}

QColor selectionColour(SelectionColour colour)
{
    static const QColor colours[] = {{0, 0, 0}, {255, 255, 0}, {255, 0, 0}};
    return colours[static_cast<int>(colour)];
}

void BoardPainter::paint(QPainter& painter, const BoardScene& scene, const Picture& picture,
                         const HoleColours& hole)
{
    const Round& round = scene.round;
    const PlayerSettings& settings = scene.settings;
    const int n = round.dimension;
    if (scene.tile.isEmpty() || picture.isEmpty())
        return; // no puzzle laid out yet
    const qreal ratio = painter.device()->devicePixelRatio();
    tiles_.update(picture, n, scene.tile, ratio, settings.tileNumbers);
    const DeviceGrid grid(n, scene.tile.width(), scene.tile.height(), ratio);
    painter.save();
    painter.scale(1 / ratio, 1 / ratio); // from here on, device pixels
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const QRect cell = grid.cell(col, row);
            const int tile = round.board.at({col, row});
            if (tile == Board::Hole)
                drawHole(painter, cell, grid.line, hole);
            else
                painter.drawImage(cell.topLeft(), tiles_[tile], QRect(QPoint(0, 0), cell.size()));
        }
    }
    if (settings.grid && !round.board.isSolved(round.mode, n))
        drawGrid(painter, grid, gridColour(settings.gridColour));
    if (round.selected)
        drawSelection(painter, grid, *round.selected, selectionColour(settings.selColour));
    painter.restore();
}
