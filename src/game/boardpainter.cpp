// BoardPainter: draws the board, its hole, grid and selection, from the current picture.
#include "boardpainter.h"

#include "gameflow.h"
#include "pictures/picture.h"
#include "playersettings.h"

#include <QPainter>
#include <array>
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

// A frame of the given width just inside the rectangle's edges.
void drawFrame(QPainter& painter, const QRect& outer, int width, const QColor& colour)
{
    painter.fillRect(outer.x(), outer.y(), outer.width(), width, colour);
    painter.fillRect(outer.x(), outer.bottom() + 1 - width, outer.width(), width, colour);
    painter.fillRect(outer.x(), outer.y(), width, outer.height(), colour);
    painter.fillRect(outer.right() + 1 - width, outer.y(), width, outer.height(), colour);
}

// The outline covers the cell's own first column and row and the next cell's, where the
// grid lines run; in the last column and row it keeps to the board. Inside it runs a second
// outline of the colour that stands out most against it, so that the selection shows on a
// picture of the selection colour itself.
void drawSelection(QPainter& painter, const DeviceGrid& grid, Cell at, const QColor& colour)
{
    const int n = static_cast<int>(grid.x.size()) - 1;
    const int left = grid.x[at.col];
    const int top = grid.y[at.row];
    const int right = at.col == n - 1 ? grid.right() - grid.line : grid.x[at.col + 1];
    const int bottom = at.row == n - 1 ? grid.bottom() - grid.line : grid.y[at.row + 1];
    const QRect outline(left, top, right + grid.line - left, bottom + grid.line - top);
    drawFrame(painter, outline, grid.line, colour);
    const QColor contrast = qGray(colour.rgb()) > 127 ? Qt::black : Qt::white;
    const int inner = 2 * grid.line;
    const int shade = 3 * grid.line; // a soft band within, as if the tile were lifted
    if (outline.width() <= 2 * (grid.line + inner + shade) ||
        outline.height() <= 2 * (grid.line + inner + shade))
        return; // tiles too small for more than the outline
    const QRect within = outline.adjusted(grid.line, grid.line, -grid.line, -grid.line);
    drawFrame(painter, within, inner, contrast);
    QColor shadow = contrast;
    shadow.setAlpha(90);
    drawFrame(painter, within.adjusted(inner, inner, -inner, -inner), shade, shadow);
}

// A corner of a rectangle, just outside its last pixels, and the way into it.
struct Corner {
    QPoint at;
    int dx;
    int dy;
};

// Brackets at the cell's four corners, white edged with black so they show on any picture,
// and unlike the selection's outline, so a focus on the selected tile shows both.
void drawFocus(QPainter& painter, const DeviceGrid& grid, Cell at)
{
    const QRect cell = grid.cell(at.col, at.row);
    const int edge = grid.line;
    const int thick = 2 * grid.line;
    const int inset = 3 * grid.line;
    const int arm = std::min(cell.width(), cell.height()) / 4;
    if (arm <= inset + thick + 2 * edge)
        return; // too small a cell to mark without hiding it
    const QRect box = cell.adjusted(inset, inset, -inset, -inset);
    for (const Corner corner :
         {Corner{box.topLeft(), 1, 1}, Corner{box.topRight() + QPoint(1, 0), -1, 1},
          Corner{box.bottomLeft() + QPoint(0, 1), 1, -1},
          Corner{box.bottomRight() + QPoint(1, 1), -1, -1}}) {
        const auto bar = [&](int width, int height, int grow, const QColor& colour) {
            const QRect r(corner.at.x() - (corner.dx < 0 ? width : 0),
                          corner.at.y() - (corner.dy < 0 ? height : 0), width, height);
            painter.fillRect(r.adjusted(-grow, -grow, grow, grow), colour);
        };
        for (const auto& [grow, colour] :
             {std::pair{edge, QColor(Qt::black)}, std::pair{0, QColor(Qt::white)}}) {
            bar(arm, thick, grow, colour);
            bar(thick, arm, grow, colour);
        }
    }
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
    const BoardMotion& motion = scene.motion;
    const int n = round.board.dimension();
    if (scene.tile.isEmpty() || picture.isEmpty())
        return; // no puzzle laid out yet
    const qreal ratio = painter.device()->devicePixelRatio();
    tiles_.update(picture, n, scene.tile, ratio, settings.tileNumbers);
    const DeviceGrid grid(n, scene.tile.width(), scene.tile.height(), ratio);
    const bool finished = scene.peek || round.finished();
    // The numbers fade out with the finish; a peek shows the picture alone.
    const double badges = scene.peek ? 0 : finished ? 1 - motion.finish : 1;
    // Opacity is set only where it is not whole: a plain copy is far quicker than a blend.
    const auto drawTile = [&](int tile, QPoint at, QSize size, double opacity) {
        if (opacity < 1)
            painter.setOpacity(opacity);
        painter.drawImage(at, tiles_[tile], QRect(QPoint(0, 0), size));
        if (!tiles_.badge(tile).isNull() && badges > 0) {
            if (opacity * badges < 1)
                painter.setOpacity(opacity * badges);
            painter.drawImage(at, tiles_.badge(tile));
        }
        if (painter.opacity() < 1)
            painter.setOpacity(1);
    };
    std::array<bool, Board::MaxCells> arriving{};
    for (const Glide& glide : motion.glides)
        arriving[static_cast<size_t>(round.board.homeNumber(glide.to))] = true;
    painter.save();
    painter.scale(1 / ratio, 1 / ratio); // from here on, device pixels
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const QRect cell = grid.cell(col, row);
            const int home = round.board.homeNumber({col, row});
            const int tile = scene.peek ? home : round.board.at({col, row});
            if (arriving[static_cast<size_t>(home)]) {
                painter.fillRect(cell, hole.face); // uncovered as its tile glides in
            } else if (tile == Board::Hole) {
                drawHole(painter, cell, grid.line, hole);
                if (finished)
                    drawTile(home, cell.topLeft(), cell.size(), motion.finish);
            } else {
                drawTile(tile, cell.topLeft(), cell.size(), 1);
            }
        }
    }
    for (const Glide& glide : motion.glides) {
        const QRect from = grid.cell(glide.from.col, glide.from.row);
        const QRect to = grid.cell(glide.to.col, glide.to.row);
        const QPointF at = from.topLeft() + (to.topLeft() - from.topLeft()) * motion.progress;
        drawTile(glide.tile, at.toPoint(), to.size(), 1);
    }
    if (settings.grid && !scene.peek && !round.board.isSolved())
        drawGrid(painter, grid, gridColour(settings.gridColour));
    if (round.selected && !scene.peek)
        drawSelection(painter, grid, *round.selected, selectionColour(settings.selColour));
    if (scene.focus && !scene.peek)
        drawFocus(painter, grid, *scene.focus);
    painter.restore();
}
