// GameStatusBar: the moves, progress and time of the game under way, below the board.
#include "gamestatusbar.h"

#include "game/gameflow.h"
#include "scores/timetext.h"

#include <QLabel>
#include <QPainter>
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
// A label that asks for no width of its own and shortens its text to the width it gets.
class ShorteningLabel : public QLabel {
public:
    explicit ShorteningLabel(QWidget* parent)
        : QLabel(parent)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setAlignment(Qt::AlignCenter);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(contentsRect(), int(alignment()),
                         fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width()));
    }
};
} // namespace

GameStatusBar::GameStatusBar(const GameFlow& flow, QWidget* parent)
    : QStatusBar(parent)
    , flow_(flow)
    , moves_(new QLabel(this))
    , progress_(new ShorteningLabel(this))
    , time_(new QLabel(this))
{
    setSizeGripEnabled(false);                            // the window follows the board
    setContentsMargins(StatusMargin, 0, StatusMargin, 0); // text clear of the window's edges
    addWidget(moves_);
    addWidget(progress_, 1);
    time_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addPermanentWidget(time_);
    connect(&ticks_, &QTimer::timeout, this, &GameStatusBar::refresh);
    ticks_.setInterval(TickMilliseconds);
    refresh();
}

void GameStatusBar::refresh()
{
    const GameFigures figures = flow_.figures();
    showText(moves_, tr("Moves: %1").arg(figures.moves));
    const Round& round = flow_.round();
    QString progress =
        tr("%1 of %2 in place").arg(round.board.tilesHome()).arg(round.board.tileCount());
    if (round.hints > 0)
        progress += QStringLiteral("  \u00b7  ") + tr("Hints: %1").arg(round.hints);
    progress_->setText(progress);
    showText(time_, tr("Time: %1").arg(::timeText(figures.seconds, TimeStyle::Clock)));
}

void GameStatusBar::setLoading(bool loading)
{
    if (loading)
        showMessage(tr("Loading picture..."));
    else
        clearMessage();
}

QString GameStatusBar::movesText() const
{
    return moves_->text();
}

QString GameStatusBar::progressText() const
{
    return progress_->text();
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
