// Tests of the board's keys: what each key asks of the board in either mode.
#include "game/boardkeys.h"
#include "game/gameflow.h"
#include "testregistry.h"

#include <QTest>

namespace {
// A 3 x 3 round: the slider with its hole at the centre, or tile swap with a selection.
Round roundOf(PuzzleMode mode, std::optional<Cell> selected = std::nullopt, bool moved = true)
{
    Round round;
    round.board = Board(mode, 3);
    if (mode == PuzzleMode::Slider && moved) {
        round.board.slide({1, 2});
        round.board.slide({1, 1});
    }
    round.selected = selected;
    return round;
}

struct KeyCase {
    const char* name;
    Round round;
    std::optional<Cell> focus;
    int key;
    Qt::KeyboardModifiers modifiers;
    std::optional<KeyPlay> expected;
};
} // namespace

class TestBoardKeys : public QObject {
    Q_OBJECT

private slots:
    void eachKeyAsksForItsMove()
    {
        using M = PuzzleMode;
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Round slider = roundOf(M::Slider);
        const Round swap = roundOf(M::TileSwap);
        const Round chosen = roundOf(M::TileSwap, Cell{2, 1});
        const KeyCase cases[] = {
            // The slider's arrows slide the tile beyond the hole their way; the focus follows
            // the hole.
            {"left", slider, {}, Qt::Key_Left, none, KeyPlay{{2, 1}, Cell{2, 1}}},
            {"right", slider, {}, Qt::Key_Right, none, KeyPlay{{0, 1}, Cell{0, 1}}},
            {"up", slider, {}, Qt::Key_Up, none, KeyPlay{{1, 2}, Cell{1, 2}}},
            {"down", slider, Cell{0, 0}, Qt::Key_Down, none, KeyPlay{{1, 0}, Cell{1, 0}}},
            {"keypad", slider, {}, Qt::Key_Up, Qt::KeypadModifier, KeyPlay{{1, 2}, Cell{1, 2}}},
            {"no tile that way", roundOf(M::Slider, {}, false), {}, Qt::Key_Up, none, std::nullopt},
            // Shift moves the slider's focus from the hole, kept on the board; Enter clicks it.
            {"shift", slider, {}, Qt::Key_Left, Qt::ShiftModifier, KeyPlay{{0, 1}}},
            {"shift at the edge", slider, Cell{0, 1}, Qt::Key_Left, Qt::ShiftModifier,
             KeyPlay{{0, 1}}},
            {"enter", slider, Cell{1, 0}, Qt::Key_Return, none, KeyPlay{{1, 0}, Cell{1, 0}}},
            {"keypad enter", slider, Cell{1, 0}, Qt::Key_Enter, Qt::KeypadModifier,
             KeyPlay{{1, 0}, Cell{1, 0}}},
            {"escape in the slider", slider, {}, Qt::Key_Escape, none, std::nullopt},
            // In tile swap the arrows move the focus from the top left or the selection.
            {"swap arrow", swap, {}, Qt::Key_Right, none, KeyPlay{{1, 0}}},
            {"swap edge", swap, Cell{2, 0}, Qt::Key_Right, none, KeyPlay{{2, 0}}},
            {"from the selection", chosen, {}, Qt::Key_Down, none, KeyPlay{{2, 2}}},
            {"swap shift", swap, {}, Qt::Key_Right, Qt::ShiftModifier, std::nullopt},
            {"swap return", swap, Cell{1, 1}, Qt::Key_Return, none, KeyPlay{{1, 1}, Cell{1, 1}}},
            {"escape drops", chosen, Cell{0, 0}, Qt::Key_Escape, none,
             KeyPlay{{0, 0}, std::nullopt, true}},
            {"nothing to drop", swap, {}, Qt::Key_Escape, none, std::nullopt},
        };
        for (const KeyCase& test : cases) {
            const std::optional<KeyPlay> play =
                keyPlay(test.round, test.focus, test.key, test.modifiers);
            QVERIFY2(play == test.expected, test.name);
        }
    }
};

TW_REGISTER_TEST(TestBoardKeys)
#include "tst_boardkeys.moc"
