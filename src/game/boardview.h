// BoardView: the board on the screen; turns left clicks into moves and repaints at once.
#pragma once

#include "boardpainter.h"

#include <QWidget>
#include <functional>

struct PlayerSettings;
class GameFlow;
class Picture;

// Exactly as large as the board. The settings, flow and picture belong to the main window
// and outlive the view.
class BoardView : public QWidget {
public:
    BoardView(const PlayerSettings& settings, GameFlow& flow, const Picture& picture,
              QWidget* parent);

    // Called when a move completes the puzzle, after the fanfare starts; may show a dialog.
    void setCongratulate(std::function<void()> congratulate);
    // Called when a click has changed the board or the selection, once it is repainted.
    void setChanged(std::function<void()> changed);
    // After a move, from a click or a command: the repaint, the changed callback, and the
    // end of the game when the move solved it.
    void showMove();
    // Takes the size of a board newly laid out, cut into n x n tiles.
    void fitBoard(QSize board, int n);
    // One tile's logical size; empty before the first board.
    QSize tileSize() const { return tile_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const PlayerSettings& settings_;
    GameFlow& flow_;
    const Picture& picture_;
    BoardPainter painter_;
    QSize tile_;
    std::function<void()> congratulate_;
    std::function<void()> changed_;
};
