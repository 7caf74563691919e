// BoardView: the board on the screen; turns left clicks and keys into moves and shows them.
#pragma once

#include "boardmotion.h"
#include "boardpainter.h"

#include <QVariantAnimation>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

struct PlayerSettings;
class GameFlow;
class PeekKey;
class Picture;

// Exactly as large as the board. The settings, flow and picture belong to the main window
// and outlive the view. With animations on, a move's tiles glide to their new cells and a
// finished picture fades in whole before the game's end is shown; the game itself has
// changed at once, and whatever comes next (a click, a command) first settles the drawing.
class BoardView : public QWidget {
public:
    static constexpr int GlideMilliseconds = 150;
    static constexpr int FinishMilliseconds = 300;

    BoardView(const PlayerSettings& settings, GameFlow& flow, const Picture& picture,
              QWidget* parent);
    ~BoardView() override;

    // Called when a move completes the puzzle, after the fanfare starts; may show a dialog.
    void setCongratulate(std::function<void()> congratulate);
    // Called when a move has changed the board or the selection, once it is shown.
    void setChanged(std::function<void()> changed);
    // Runs a move of the flow (a click's, an undo's, a hint's); when it made one, shows it:
    // the tiles' glide, the changed callback, and the end of the game when it solved it.
    // True when it made one.
    bool play(const std::function<bool()>& move);
    // Ends a glide or fade under way at once, and the game with it when the move solved it.
    void settle();
    bool isMoving() const { return phase_ != Phase::Still; }
    // The whole finished picture over the board, or the board again.
    void setPeek(bool peek);
    bool isPeeking() const { return peek_; }
    // Peeks while Space is held down in the window (this view's own, or one it lies in).
    void peekWithSpaceIn(QWidget* window);
    // While the window waits for a picture: a busy cursor, and no move is played.
    void setWaiting(bool waiting);
    // Takes the size of a board newly laid out, cut into n x n tiles.
    void fitBoard(QSize board, int n);
    // One tile's logical size; empty before the first board.
    QSize tileSize() const { return tile_; }
    // The keyboard's cell, from the first key that plays until the next click.
    std::optional<Cell> focusCell() const { return focus_; }
    const Round& round() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Phase { Still, Gliding, Finishing };

    // A click or key on a board hidden by a peek only ends the peek: true when it did.
    bool endPeek();
    void start(Phase phase, int milliseconds);
    void phaseEnded();
    void showChange();
    // Whether finishing changes the drawing: a missing tile to fill in or numbers to fade.
    bool finishShows() const;

    const PlayerSettings& settings_;
    GameFlow& flow_;
    const Picture& picture_;
    BoardPainter painter_;
    QSize tile_;
    std::function<void()> congratulate_;
    std::function<void()> changed_;
    QVariantAnimation animation_;
    Phase phase_ = Phase::Still;
    BoardMotion motion_;
    bool peek_ = false;
    bool waiting_ = false;
    std::optional<Cell> focus_;
    std::unique_ptr<PeekKey> peekKey_;
};
