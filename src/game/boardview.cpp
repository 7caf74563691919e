// BoardView: the board on the screen; turns left clicks into moves and repaints at once.
#include "boardview.h"

#include "gameflow.h"

#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(const PlayerSettings& settings, GameFlow& flow, const Picture& picture,
                     QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
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

void BoardView::fitBoard(QSize board, int n)
{
    tile_ = QSize(board.width() / n, board.height() / n);
    setFixedSize(board);
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter_.paint(painter, {flow_.round(), settings_, tile_}, picture_,
                   {palette().color(QPalette::Button), palette().color(QPalette::Dark)});
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || tile_.isEmpty())
        return;
    const QPoint at = event->position().toPoint();
    if (flow_.click({at.x() / tile_.width(), at.y() / tile_.height()}))
        showMove();
}

void BoardView::showMove()
{
    repaint(); // the player sees the finished picture before any dialog
    changed_();
    flow_.checkCompletion(congratulate_);
}
