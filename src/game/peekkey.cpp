// Peek key: holding Space shows the whole finished picture over the board.
#include "peekkey.h"

#include "boardview.h"

#include <QKeyEvent>

PeekKey::PeekKey(BoardView& board, QObject* window)
    : board_(board)
{
    window->installEventFilter(this);
}

bool PeekKey::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate || type == QEvent::FocusOut) {
        board_.setPeek(false);
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier)
        return false;
    if (!key->isAutoRepeat())
        board_.setPeek(type == QEvent::KeyPress);
    return true;
}
