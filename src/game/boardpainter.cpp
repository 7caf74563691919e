// BoardPainter: draws the board, its hole, grid and selection, from the current picture.
#include "boardpainter.h"

#include "gamestate.h"
#include "pictures/picture.h"

#include <QPainter>

QColor gridColour(int index)
{
    return index == 1 ? QColor(255, 255, 255) : index == 2 ? QColor(255, 0, 0) : QColor(0, 0, 0);
}

QColor selectionColour(int index)
{
    return index == 0 ? QColor(0, 0, 0) : index == 1 ? QColor(255, 255, 0) : QColor(255, 0, 0);
}

const QImage& BoardPainter::scaledPicture(const Picture& picture, QSize board, int n)
{
    const qint64 key = picture.image().cacheKey();
    if (key == scaledFrom_ && board == scaledSize_ && n == scaledGrid_)
        return scaled_;
    // Tiles are cut at whole source-tile sizes; the few pixels past the last one never show.
    QRect used(0, 0, picture.width() / n * n, picture.height() / n * n);
    if (used.isEmpty())
        used = picture.image().rect();
    scaled_ = picture.image()
                  .copy(used)
                  .scaled(board, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    scaledFrom_ = key;
    scaledSize_ = board;
    scaledGrid_ = n;
    return scaled_;
}

void BoardPainter::paint(QPainter& painter, const GameState& state, const Picture& picture,
                         const HoleColours& hole)
{
    const int n = state.dimension;
    const int tileWidth = state.tileWidth;
    const int tileHeight = state.tileHeight;
    if (tileWidth <= 0 || tileHeight <= 0 || picture.isEmpty())
        return; // no puzzle laid out yet
    const QImage& tiles = scaledPicture(picture, {tileWidth * n, tileHeight * n}, n);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int col = 0; col < n; ++col) {
        for (int row = 0; row < n; ++row) {
            const QRect cell(col * tileWidth, row * tileHeight, tileWidth, tileHeight);
            const int tile = state.board.at({col, row});
            if (tile == Board::Hole) {
                painter.fillRect(cell, hole.face);
                painter.setPen(hole.shadow);
                painter.drawLine(cell.topLeft(), cell.topRight());
                painter.drawLine(cell.topLeft(), cell.bottomLeft());
                painter.setPen(Qt::white);
                painter.drawLine(cell.bottomLeft(), cell.bottomRight());
                painter.drawLine(cell.topRight(), cell.bottomRight());
                continue;
            }
            const Cell home = Board::homeCell(tile, n);
            painter.drawImage(
                cell.topLeft(), tiles,
                QRect(home.col * tileWidth, home.row * tileHeight, tileWidth, tileHeight));
        }
    }
    const int width = state.boardWidth;
    const int height = state.boardHeight;
    if (state.grid != 0 && !state.board.isSolved(puzzleModeFromSetting(state.puzzleMode), n)) {
        painter.setPen(gridColour(state.gridColour));
        for (int x = 0; x < width; x += tileWidth)
            painter.drawLine(x, 0, x, height - 1);
        for (int y = 0; y < height; y += tileHeight)
            painter.drawLine(0, y, width - 1, y);
        painter.drawLine(width - 1, 0, width - 1, height - 1);
        painter.drawLine(0, height - 1, width - 1, height - 1);
    }
    if (state.selectedTile != -1) {
        const int w = tileWidth - (state.selectedCol == n - 1 ? 1 : 0);
        const int h = tileHeight - (state.selectedRow == n - 1 ? 1 : 0);
        painter.setPen(selectionColour(state.selColour));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(state.selectedCol * tileWidth, state.selectedRow * tileHeight, w, h);
    }
}
