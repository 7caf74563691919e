// GameStatusBar: the moves, progress and time of the game under way, below the board.
#pragma once

#include <QCoreApplication>
#include <QStatusBar>
#include <QTimer>

class GameFlow;
class QLabel;

// Shows "Moves: N", how many tiles are in place and the hints used, and "Time: M:SS", from
// the game: at once when told, and while it is shown, whenever the clock's second changes.
// The window follows the board, so the progress takes only the room the others leave and
// shortens its text, ending in "...", when that is too little.
class GameStatusBar : public QStatusBar {
    Q_DECLARE_TR_FUNCTIONS(GameStatusBar)

public:
    explicit GameStatusBar(const GameFlow& flow, QWidget* parent = nullptr);

    void refresh();
    // "Loading picture..." in place of the moves and progress while a picture loads.
    void setLoading(bool loading);
    QString movesText() const;
    QString progressText() const;
    QString timeText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    const GameFlow& flow_;
    QLabel* moves_;
    QLabel* progress_;
    QLabel* time_;
    QTimer ticks_;
};
