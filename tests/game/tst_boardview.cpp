// Tests of the board view with real clicks: moves, sounds, repaints and completion.
#include "fakes.h"
#include "game/boardview.h"
#include "game/gameflow.h"
#include "game/playersettings.h"
#include "platform/randomengine.h"
#include "quarters.h"
#include "testregistry.h"

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

    explicit Table(PuzzleMode mode)
    {
        Quarters::load(picture);
        settings.puzzleMode = mode;
        settings.animations = false; // each move shown at once, as it always was
        Board solved;
        solved.setSolved(mode, 4);
        flow.resume({mode, 4, solved, solved, 0, 0});
        view.fitBoard({200, 200}, 4);
        view.setCongratulate([this] { ++congratulated; });
        view.show();
    }

    void click(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&view, button, {}, QPoint(col * 50 + 25, row * 50 + 25));
    }

    // The colour the screen shows at a logical point: the pixel of the grab, in device
    // pixels, where that point falls.
    QColor at(int x, int y)
    {
        const QImage grab = view.grab().toImage();
        const qreal ratio = grab.devicePixelRatio();
        return grab.pixelColor(qFloor(x * ratio), qFloor(y * ratio));
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
        QCOMPARE(table.at(199, 25), QColor(Qt::red)); // the last column's outline fits
        table.click(3, 0);
        QVERIFY(!table.flow.round().selected);
        QCOMPARE(table.at(199, 25), Quarters::TopRight);
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
