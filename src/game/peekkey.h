// Peek key: holding Space shows the whole finished picture over the board.
#pragma once

#include <QObject>
#include <QTimer>

class BoardView;

// Watches the keys the window gets: pressing Space starts a peek, letting go ends it, and so
// does the window losing focus. The key's repeats while held are passed over, also those the
// system does not mark: a release followed at once by a press is the key held down, so a
// release ends the peek only when no press follows within LetGoMilliseconds. Owned by the
// board view, so it stops watching before the view is gone, even while the window closes.
class PeekKey : public QObject {
public:
    static constexpr int LetGoMilliseconds = 50;

    PeekKey(BoardView& board, QObject* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end();

    BoardView& board_;
    QTimer letGo_;
};
