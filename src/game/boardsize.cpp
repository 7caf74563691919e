// Board size: how large the board is drawn for a picture, and the solution window's fit.
#include "boardsize.h"

#include "pictures/picture.h"

#include <algorithm>

namespace {
constexpr int NarrowestBoard = 350;
constexpr int ShrinkMargin = 100;
constexpr int ScreenMargin = 50;
constexpr int TopAfterMove = 5; // where a window too tall for the room is moved to

int truncated(long double value)
{
    return static_cast<int>(value);
}
} // namespace

BoardRoom boardRoomIn(QRect work, const WindowBands& bands, int statusBar)
{
    return {QSize(work.width() - ScreenMargin, work.height() - bands.caption - bands.toolbar -
                                                   bands.menuBar - statusBar - ScreenMargin),
            bands.menuBar, bands.toolbarShown ? bands.toolbar : 0};
}

QPoint keptOnScreen(QRect frame, QRect work, QSize available)
{
    if (frame.x() + frame.width() > work.x() + available.width() &&
        frame.x() > work.x() + ScreenMargin)
        frame.moveLeft(work.x() + ScreenMargin);
    if (frame.y() + frame.height() > work.y() + available.height())
        frame.moveTop(work.y() + TopAfterMove);
    return frame.topLeft();
}

QSize boardSizeFor(QSize picture, const BoardRoom& room, int n)
{
    const long double width = std::max(1, picture.width());
    const long double height = std::max(1, picture.height());
    const int maxWidth = room.available.width();
    const int maxHeight = room.available.height();
    int boardWidth = 0;
    int boardHeight = 0;
    if (width < NarrowestBoard) {
        boardWidth = NarrowestBoard;
        boardHeight = std::min(truncated(NarrowestBoard / width * height), maxHeight);
    } else if (width < maxWidth && height < maxHeight) {
        boardWidth = picture.width();
        boardHeight = picture.height();
    } else if (width > height) {
        // Landscape: the height loses the menu bar and toolbar after scaling, as it always has.
        boardWidth = maxWidth - ShrinkMargin;
        boardHeight =
            truncated(boardWidth / width * height) - room.menuBarHeight - room.toolbarBand;
        if (boardHeight > maxHeight) {
            // Cut to the room's height, the width follows, so the picture keeps its shape.
            boardHeight = maxHeight;
            boardWidth = std::max(truncated(maxHeight / height * width), NarrowestBoard);
        }
    } else {
        boardHeight = maxHeight - ShrinkMargin - room.menuBarHeight - room.toolbarBand;
        boardWidth = truncated(boardHeight / height * width);
        if (boardWidth > maxWidth) {
            // Never narrower than 350, even where the room is narrower still.
            boardWidth = std::max(maxWidth, NarrowestBoard);
            boardHeight = std::min(boardHeight, truncated(boardWidth / width * height));
        }
        boardWidth = std::max(boardWidth, NarrowestBoard);
    }
    const int smallest = n * MinTilePixels;
    boardWidth = std::max(boardWidth, smallest);
    boardHeight = std::max(boardHeight, smallest);
    return {boardWidth - boardWidth % n, boardHeight - boardHeight % n};
}

QSize boardFillingSize(QSize picture, QSize area, int n)
{
    const long double width = std::max(1, picture.width());
    const long double height = std::max(1, picture.height());
    const long double scale = std::min(area.width() / width, area.height() / height);
    const int smallest = n * MinTilePixels;
    const int boardWidth = std::max(truncated(width * scale), smallest);
    const int boardHeight = std::max(truncated(height * scale), smallest);
    return {boardWidth - boardWidth % n, boardHeight - boardHeight % n};
}

QSize boardPixelsFor(QSize picture, const BoardRoom& room, qreal devicePixelRatio)
{
    return devicePixels(boardSizeFor(picture, room, 1), devicePixelRatio);
}
