// Tests of the board view with real clicks: moves, sounds, repaints and completion.
#include "fakes.h"
#include "game/boardview.h"
#include "game/gameflow.h"
#include "game/peekkey.h"
#include "game/playersettings.h"
#include "platform/randomengine.h"
#include "quarters.h"
#include "testregistry.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTest>
#include <QtMath>

namespace {
// A shown 4 x 4 board of 200 x 200 pixels over the quarters picture.
struct Table {
    PlayerSettings settings;
    RandomEngine random{8};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    GameFlow flow{settings, random, sounds, clock};
    Picture picture;
    BoardView view{settings, flow, picture, nullptr};
    int congratulated = 0;

    explicit Table(PuzzleMode mode, bool animations = false)
    {
        Quarters::load(picture);
        settings.puzzleMode = mode;
        settings.animations = animations; // off: each move shown at once, as it always was
        Board solved(mode, 4);
        flow.resume({solved, solved, 0, 0});
        view.fitBoard({200, 200}, 4);
        view.setCongratulate([this] { ++congratulated; });
        view.show();
    }

    void click(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&view, button, {}, QPoint(col * 50 + 25, row * 50 + 25));
    }

    // The colour the screen shows at a logical point: the pixel of the grab, in device
    // pixels, where that point's edge falls, rounded as the board rounds its cell edges.
    QColor at(int x, int y)
    {
        const QImage grab = view.grab().toImage();
        const qreal ratio = grab.devicePixelRatio();
        return grab.pixelColor(qRound(x * ratio), qRound(y * ratio));
    }
    // The colour of the board's last device pixel column at a logical height.
    QColor atRightEdge(int y)
    {
        const QImage grab = view.grab().toImage();
        return grab.pixelColor(grab.width() - 1, qFloor(y * grab.devicePixelRatio()));
    }
};
} // namespace

class TestBoardView : public QObject {
    Q_OBJECT

private slots:
    void viewIsTheBoardsSize()
    {
        Table table(PuzzleMode::TileSwap);
        QCOMPARE(table.view.size(), QSize(200, 200));
    }

    void slidesByClick()
    {
        Table table(PuzzleMode::Slider);
        table.click(0, 3);
        QCOMPARE(table.flow.round().moves, 1);
        QCOMPARE(table.sounds.played, QStringList{Sound::Slider});
        QCOMPARE(table.flow.round().board.holeCol(), 0);
        table.click(2, 1); // off the hole's row and column
        table.click(0, 3); // the hole itself
        QCOMPARE(table.flow.round().moves, 1);
        QCOMPARE(table.sounds.played.size(), 1);
        // Back to solved: completion, once.
        table.click(3, 3);
        QCOMPARE(table.congratulated, 1);
        QCOMPARE(table.sounds.played.last(), Sound::Complete);
    }

    void onlyTheLeftButtonPlays()
    {
        Table table(PuzzleMode::Slider);
        table.click(0, 3, Qt::RightButton);
        table.click(0, 3, Qt::MiddleButton);
        QCOMPARE(table.flow.round().moves, 0);
        QVERIFY(table.sounds.played.isEmpty());
    }

    void swapsByClickAndShowsTheSelection()
    {
        Table table(PuzzleMode::TileSwap);
        table.settings.selColour = SelectionColour::Red;
        table.click(3, 0);
        QCOMPARE(table.flow.round().selected, (Cell{3, 0}));
        QCOMPARE(table.atRightEdge(25), QColor(Qt::red)); // the last column's outline fits
        table.click(3, 0);
        QVERIFY(!table.flow.round().selected);
        QCOMPARE(table.atRightEdge(25), Quarters::TopRight);
        table.click(3, 0);
        table.click(0, 3);
        QCOMPARE(table.flow.round().moves, 1);
        QCOMPARE(table.sounds.played, QStringList{Sound::Shuffle});
        QCOMPARE(table.at(25, 175), Quarters::TopRight);
        QCOMPARE(table.at(50, 25), QColor(Qt::black)); // unsolved: grid lines show
        table.click(0, 3);
        table.click(3, 0);
        QCOMPARE(table.congratulated, 1);
        QCOMPARE(table.at(50, 25), Quarters::TopLeft); // solved: no grid
    }

    void aMoveGlidesWhileTheGameHasMovedAlready()
    {
        Table table(PuzzleMode::Slider, true);
        table.click(0, 3); // three tiles slide right
        QVERIFY(table.view.isMoving());
        QCOMPARE(table.flow.round().moves, 1); // counted, and its sound, at once
        QCOMPARE(table.sounds.played, QStringList{Sound::Slider});
        QCOMPARE(table.flow.round().board.holeCol(), 0);
        QTRY_VERIFY(!table.view.isMoving());
        QCOMPARE(table.at(175, 175), Quarters::BottomRight); // the tile from (2, 3) arrived
        QCOMPARE(table.at(25, 175), table.view.palette().color(QPalette::Button)); // the hole
    }

    void aClickDuringAGlideEndsItAndCounts()
    {
        Table table(PuzzleMode::Slider, true);
        table.click(0, 3);
        QVERIFY(table.view.isMoving());
        table.click(0, 0); // at once: the first slide ends, this one is made
        QCOMPARE(table.flow.round().moves, 2);
        QCOMPARE(table.flow.round().board.holeRow(), 0);
        table.view.settle();
        QVERIFY(!table.view.isMoving());
        // Every tile of column 0 moved down; the one from the top left shows in row 1.
        QCOMPARE(table.at(25, 75), Quarters::TopLeft);
    }

    void theGameEndsOnceTheFinishedPictureShows()
    {
        Table table(PuzzleMode::Slider, true);
        table.settings.grid = false;
        table.click(3, 2); // away from solved
        table.view.settle();
        table.click(3, 3);                // and back: solved
        QCOMPARE(table.congratulated, 0); // first the glide and the finish
        QVERIFY(table.view.isMoving());
        QTRY_COMPARE(table.congratulated, 1);
        QVERIFY(!table.view.isMoving());
        QCOMPARE(table.at(175, 175), Quarters::BottomRight); // the missing tile in the hole
        QCOMPARE(table.sounds.played.last(), Sound::Complete);

        // A click meanwhile ends it at once: the game is won before the click acts.
        Table quick(PuzzleMode::Slider, true);
        quick.click(3, 2);
        quick.view.settle();
        quick.click(3, 3); // the winning slide, still on its way
        quick.click(3, 2);
        QCOMPARE(quick.congratulated, 1);
        QVERIFY(quick.flow.round().puzzleOver);
        QCOMPARE(quick.flow.round().moves, 3);
    }

    void keysPlayAsClicksAndShowTheirCell()
    {
        Table table(PuzzleMode::TileSwap);
        // A point on the focus cell's top-left bracket, in the top-left cell's own colour
        // until a key has been used.
        const auto bracket = [&table] {
            return table.at(6, 4);
        };
        QCOMPARE(bracket(), Quarters::TopLeft);
        QTest::keyClick(&table.view, Qt::Key_Return); // selects the top-left tile
        QCOMPARE(table.flow.round().selected, (Cell{0, 0}));
        QCOMPARE(bracket(), QColor(Qt::white));
        QTest::keyClick(&table.view, Qt::Key_Right);
        QTest::keyClick(&table.view, Qt::Key_Return); // and swaps it, as two clicks do
        QCOMPARE(table.flow.round().moves, 1);
        QCOMPARE(table.sounds.played, QStringList{Sound::Shuffle});
        table.click(3, 3);
        QVERIFY(!table.view.focusCell());
        QCOMPARE(table.at(56, 4), Quarters::TopLeft); // the tile swapped in, unmarked
    }

    void aScreenReaderReadsEachCell()
    {
        Table table(PuzzleMode::TileSwap);
        table.view.activateWindow(); // the focus cell is focused while the board has the keys
        QVERIFY(QTest::qWaitForWindowActive(&table.view));
        table.click(0, 0);
        table.click(3, 1);                           // tiles 1 and 8 change places
        QTest::keyClick(&table.view, Qt::Key_Right); // the focus on the second cell
        QTest::keyClick(&table.view, Qt::Key_Return);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&table.view);
        QCOMPARE(board->role(), QAccessible::Table);
        QCOMPARE(board->childCount(), 16);
        QAccessibleInterface* moved = board->tableInterface()->cellAt(1, 3);
        QCOMPARE(moved->text(QAccessible::Name),
                 QStringLiteral("Tile 1, belongs in row 1, column 1"));
        QCOMPARE(moved->text(QAccessible::Description), QString());
        QAccessibleInterface* home = board->child(1);
        QCOMPARE(home->text(QAccessible::Name),
                 QStringLiteral("Tile 2, belongs in row 1, column 2"));
        QCOMPARE(home->text(QAccessible::Description), QStringLiteral("In place"));
        QVERIFY(home->state().selected && home->state().focused);
        QVERIFY(!moved->state().selected && !moved->state().focused);
        QCOMPARE(board->focusChild(), home);
        Table slider(PuzzleMode::Slider);
        QAccessibleInterface* hole = QAccessible::queryAccessibleInterface(&slider.view)->child(15);
        QCOMPARE(hole->text(QAccessible::Name), QStringLiteral("Empty cell"));
    }

    void animationsOffShowTheFinishAtOnce()
    {
        Table table(PuzzleMode::Slider);
        table.click(3, 2);
        QVERIFY(!table.view.isMoving());
        table.click(3, 3);
        QCOMPARE(table.congratulated, 1);
        QCOMPARE(table.at(175, 175), Quarters::BottomRight);
    }

    void holdingSpacePeeks()
    {
        Table table(PuzzleMode::Slider);
        QWidget& window = table.view; // a window of its own here
        table.view.peekWithSpaceIn(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        table.click(0, 3);
        const QColor hole = table.at(25, 175);
        QTest::keyPress(&window, Qt::Key_Space);
        QVERIFY(table.view.isPeeking());
        QCOMPARE(table.at(25, 175), Quarters::BottomLeft); // the finished picture
        // Held down, the key repeats, marked as such or not: still a peek, never a flash of
        // the board; only letting go ends it.
        for (const bool marked : {true, false}) {
            QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(),
                               marked);
            QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(),
                                 marked);
            QApplication::sendEvent(&window, &repeatUp);
            QVERIFY(table.view.isPeeking());
            QApplication::sendEvent(&window, &repeatDown);
        }
        QTest::qWait(2 * PeekKey::LetGoMilliseconds);
        QVERIFY(table.view.isPeeking());
        QTest::keyRelease(&window, Qt::Key_Space);
        QTRY_VERIFY(!table.view.isPeeking());
        QCOMPARE(table.at(25, 175), hole);
        // Losing the focus ends a peek as well; nothing is counted.
        QTest::keyPress(&window, Qt::Key_Space);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&window, &deactivate);
        QVERIFY(!table.view.isPeeking());
        QCOMPARE(table.flow.round().moves, 1);
    }

    void silentWithSoundOff()
    {
        Table table(PuzzleMode::TileSwap);
        table.settings.sound = false;
        table.click(0, 0);
        table.click(1, 0);
        QCOMPARE(table.flow.round().moves, 1);
        QVERIFY(table.sounds.played.isEmpty());
    }
};

TW_REGISTER_TEST(TestBoardView)
#include "tst_boardview.moc"
