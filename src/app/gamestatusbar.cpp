// GameStatusBar: the moves and the time of the game under way, below the board.
#include "gamestatusbar.h"

#include "scores/timetext.h"

#include <QLabel>

namespace {
// Often enough that a new second shows without a visible lag.
constexpr int TickMilliseconds = 200;
constexpr int StatusMargin = 4;
} // namespace

GameStatusBar::GameStatusBar(std::function<GameFigures()> figures, QWidget* parent)
    : QStatusBar(parent)
    , figures_(std::move(figures))
    , moves_(new QLabel(this))
    , time_(new QLabel(this))
{
    setSizeGripEnabled(false);                            // the window follows the board
    setContentsMargins(StatusMargin, 0, StatusMargin, 0); // text clear of the window's edges
    addWidget(moves_);
    addPermanentWidget(time_);
    connect(&ticks_, &QTimer::timeout, this, &GameStatusBar::refresh);
    ticks_.setInterval(TickMilliseconds);
    refresh();
}

void GameStatusBar::refresh()
{
    const GameFigures figures = figures_();
    // A label given its own text again does nothing, so a tick costs no layout.
    moves_->setText(tr("Moves: %1").arg(figures.moves));
    time_->setText(tr("Time: %1").arg(::timeText(figures.seconds, TimeStyle::Clock)));
}

QString GameStatusBar::movesText() const
{
    return moves_->text();
}

QString GameStatusBar::timeText() const
{
    return time_->text();
}

void GameStatusBar::showEvent(QShowEvent* event)
{
    QStatusBar::showEvent(event);
    refresh();
    ticks_.start();
}

void GameStatusBar::hideEvent(QHideEvent* event)
{
    ticks_.stop();
    QStatusBar::hideEvent(event);
}
