// BoardView: the board on the screen; turns left clicks and keys into moves and shows them.
#include "boardview.h"

#include "boardaccessible.h"
#include "boardkeys.h"
#include "gameflow.h"
#include "peekkey.h"
#include "playersettings.h"

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
    setFocusPolicy(Qt::StrongFocus);
    QAccessible::registerAccessibleInterface(boardAccessible(this));
    animation_.setStartValue(0.0);
    animation_.setEndValue(1.0);
    connect(&animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const bool gliding = phase_ == Phase::Gliding;
        (gliding ? motion_.progress : motion_.finish) = easedOut(value.toDouble());
        // A glide draws only the cells it passes over; the finish fades every number.
        if (gliding)
            update(glidesArea(motion_.glides, tile_));
        else
            update();
    });
    connect(&animation_, &QVariantAnimation::finished, this, &BoardView::phaseEnded);
}

BoardView::~BoardView() = default;

void BoardView::peekWithSpaceIn(QWidget* window)
{
    peekKey_ = std::make_unique<PeekKey>(*this, window);
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

void BoardView::setPeek(bool peek)
{
    if (peek == peek_)
        return;
    peek_ = peek;
    repaint();
}

const Round& BoardView::round() const
{
    return flow_.round();
}

bool BoardView::endPeek()
{
    const bool peeking = peek_;
    setPeek(false);
    return peeking;
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter_.paint(painter, {flow_.round(), settings_, tile_, motion_, peek_, focus_}, picture_,
                   {palette().color(QPalette::Button), palette().color(QPalette::Dark)});
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || tile_.isEmpty())
        return;
    focus_.reset(); // the mouse plays now
    if (endPeek())
        return;
    const QPoint at = event->position().toPoint();
    play([&] { return flow_.click({at.x() / tile_.width(), at.y() / tile_.height()}); });
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    const std::optional<KeyPlay> key =
        keyPlay(flow_.round(), focus_, event->key(), event->modifiers());
    if (!key || tile_.isEmpty()) {
        QWidget::keyPressEvent(event); // the window's own keys
        return;
    }
    if (endPeek())
        return;
    const bool moved = focus_ != key->focus;
    focus_ = key->focus;
    const bool played = key->click           ? play([&] { return flow_.click(*key->click); })
                        : key->dropSelection ? play([this] { return flow_.dropSelection(); })
                                             : false;
    if (!played)
        repaint(); // the focus cell where it now is; a move has shown it already
    if (moved)
        announceFocus(*this);
}

void BoardView::setWaiting(bool waiting)
{
    waiting_ = waiting;
    if (waiting)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

bool BoardView::play(const std::function<bool()>& move)
{
    if (waiting_)
        return false; // a new puzzle is on its way
    settle();         // the move before ends first, so no click is lost to it
    const Board before = flow_.round().board;
    const std::optional<Cell> selectedBefore = flow_.round().selected;
    if (!move())
        return false;
    motion_ = {};
    if (settings_.animations)
        motion_.glides = glidesBetween(before, flow_.round().board);
    if (!motion_.glides.empty())
        start(Phase::Gliding, GlideMilliseconds);
    else if (settings_.animations && finishShows())
        start(Phase::Finishing, FinishMilliseconds);
    showChange();
    announceMove(*this, before, selectedBefore);
    if (!isMoving())
        flow_.checkCompletion(congratulate_);
    return true;
}

void BoardView::showChange()
{
    repaint(); // the player sees the move, or its start, before anything else happens
    changed_();
}

void BoardView::start(Phase phase, int milliseconds)
{
    phase_ = phase;
    (phase == Phase::Gliding ? motion_.progress : motion_.finish) = 0;
    animation_.setDuration(milliseconds);
    animation_.start();
}

void BoardView::phaseEnded()
{
    motion_.glides.clear();
    motion_.progress = 1;
    if (phase_ == Phase::Gliding && finishShows()) {
        start(Phase::Finishing, FinishMilliseconds);
        return;
    }
    phase_ = Phase::Still;
    motion_.finish = 1;
    repaint();
    if (isVisible()) // a window closed meanwhile has nobody to congratulate
        flow_.checkCompletion(congratulate_);
}

bool BoardView::finishShows() const
{
    const Round& round = flow_.round();
    return round.finished() && (round.board.hasHole() || settings_.tileNumbers);
}

void BoardView::settle()
{
    if (!isMoving())
        return;
    animation_.stop(); // stopping does not report the end: that is done here, once
    phase_ = Phase::Still;
    motion_ = {};
    repaint();
    flow_.checkCompletion(congratulate_);
}
