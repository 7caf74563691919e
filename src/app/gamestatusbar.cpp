// GameStatusBar: the moves and the time of the game under way, below the board.
#include "gamestatusbar.h"

#include "scores/timetext.h"

#include <QLabel>
#include <algorithm>

namespace {
// Often enough that a new second shows without a visible lag.
constexpr int TickMilliseconds = 200;
constexpr int StatusMargin = 4;

// A label keeps a fixed size that only grows, so a new text lays nothing out again while it
// fits: the clock changes every second, and a layout of the fixed-size window in the middle
// of a toolbar's drag would keep the toolbar from docking.
void showText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    const QSize needed = label->sizeHint();
    if (needed.width() > label->minimumWidth() || needed.height() != label->minimumHeight())
        label->setFixedSize(std::max(needed.width(), label->minimumWidth()), needed.height());
}
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
    time_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addPermanentWidget(time_);
    connect(&ticks_, &QTimer::timeout, this, &GameStatusBar::refresh);
    ticks_.setInterval(TickMilliseconds);
    refresh();
}

void GameStatusBar::refresh()
{
    const GameFigures figures = figures_();
    showText(moves_, tr("Moves: %1").arg(figures.moves));
    showText(time_, tr("Time: %1").arg(::timeText(figures.seconds, TimeStyle::Clock)));
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
