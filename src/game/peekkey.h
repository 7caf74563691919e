// Peek key: holding Space shows the whole finished picture over the board.
#pragma once

#include <QObject>

class BoardView;

// Watches the keys the window gets: pressing Space starts a peek, letting go ends it, and so
// does the window losing focus. The key's repeats while held are passed over. Owned by the
// board view, so it stops watching before the view is gone, even while the window closes.
class PeekKey : public QObject {
public:
    PeekKey(BoardView& board, QObject* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BoardView& board_;
};
