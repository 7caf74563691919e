// BoardView: the board on the screen; turns left clicks into moves and repaints at once.
#include "boardview.h"

#include "gameflow.h"
#include "gamestate.h"

#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(GameState& state, GameFlow& flow, const Picture& picture, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , flow_(flow)
    , picture_(picture)
    , congratulate_([] {})
    , changed_([] {})
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::setCongratulate(std::function<void()> congratulate)
{
    congratulate_ = std::move(congratulate);
}

void BoardView::setChanged(std::function<void()> changed)
{
    changed_ = std::move(changed);
}

void BoardView::fitBoard()
{
    setFixedSize(state_.boardWidth, state_.boardHeight);
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter_.paint(painter, state_, picture_,
                   {palette().color(QPalette::Button), palette().color(QPalette::Dark)});
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || state_.tileWidth <= 0 || state_.tileHeight <= 0)
        return;
    const QPoint at = event->position().toPoint();
    if (flow_.click({at.x() / state_.tileWidth, at.y() / state_.tileHeight}))
        showMove();
}

void BoardView::showMove()
{
    repaint(); // the player sees the finished picture before any dialog
    changed_();
    flow_.checkCompletion(congratulate_);
}
