// Peek key: holding Space shows the whole finished picture over the board.
#include "peekkey.h"

#include "boardview.h"

#include <QKeyEvent>

PeekKey::PeekKey(BoardView& board, QObject* window)
    : board_(board)
{
    letGo_.setSingleShot(true);
    letGo_.setInterval(LetGoMilliseconds);
    connect(&letGo_, &QTimer::timeout, this, &PeekKey::end);
    window->installEventFilter(this);
}

void PeekKey::end()
{
    letGo_.stop();
    board_.setPeek(false);
}

bool PeekKey::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate || type == QEvent::FocusOut) {
        end();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier)
        return false;
    if (key->isAutoRepeat())
        return true;
    if (type == QEvent::KeyRelease) {
        letGo_.start();
    } else {
        letGo_.stop();
        board_.setPeek(true);
    }
    return true;
}
