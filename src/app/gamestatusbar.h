// GameStatusBar: the moves and the time of the game under way, below the board.
#pragma once

#include "game/gameflow.h"

#include <QCoreApplication>
#include <QStatusBar>
#include <QTimer>
#include <functional>

class QLabel;

// Shows "Moves: N" and "Time: M:SS" from the figures it is given: at once when told, and
// while it is shown, whenever the clock's second changes.
class GameStatusBar : public QStatusBar {
    Q_DECLARE_TR_FUNCTIONS(GameStatusBar)

public:
    explicit GameStatusBar(std::function<GameFigures()> figures, QWidget* parent = nullptr);

    void refresh();
    QString movesText() const;
    QString timeText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::function<GameFigures()> figures_;
    QLabel* moves_;
    QLabel* time_;
    QTimer ticks_;
};
