// Tests of the play comforts on the real window: undo and redo, restart, the status bar, tile
// numbers, and an unfinished game kept at the end and resumed.
#include "app/gamestatusbar.h"
#include "game/boardview.h"
#include "gamefixture.h"
#include "messageboxes.h"
#include "scores/congratulationsdialog.h"
#include "tempprofile.h"
#include "testregistry.h"

#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {
std::vector<int> tilesOf(const GameFixture& game)
{
    return game.frame->flow().round().board.tiles();
}

QString movesShown(const GameFixture& game)
{
    return game.frame->gameStatusBar()->movesText();
}

// Shown and active, so that shortcuts reach it.
bool showActive(GameFixture& game)
{
    if (!game.show())
        return false;
    game.frame->activateWindow();
    return QTest::qWaitForWindowActive(game.frame.get());
}

bool keptInProfile(const QString& ini)
{
    return QSettings(ini, QSettings::IniFormat).childGroups().contains(QStringLiteral("Resume"));
}

// Two games over one profile: the first played and left, the second started later.
struct TwoRuns {
    TempProfile profileFile;
    QString ini = profileFile.path;
    std::unique_ptr<GameFixture> first;
    std::unique_ptr<GameFixture> second;

    explicit TwoRuns(const QStringList& pictures)
        : first(std::make_unique<GameFixture>(pictures, std::nullopt, ini))
    {}

    void startSecond()
    {
        second = std::make_unique<GameFixture>(QStringList{"picture.bmp"}, std::nullopt, ini);
    }
};
} // namespace

class TestPlayComforts : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoFromTheKeyboard()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(showActive(game));
        const std::vector<int> jumbled = tilesOf(game);
        clickCell(game, {0, 0});
        clickCell(game, {1, 0});
        clickCell(game, {2, 3});
        clickCell(game, {3, 1});
        const std::vector<int> played = tilesOf(game);
        QCOMPARE(movesShown(game), QStringLiteral("Moves: 2"));
        QTest::keyClick(game.frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(movesShown(game), QStringLiteral("Moves: 1"));
        QTest::keyClick(game.frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tilesOf(game), jumbled);
        QCOMPARE(movesShown(game), QStringLiteral("Moves: 0"));
        QTest::keyClick(game.frame.get(), Qt::Key_Z, Qt::ControlModifier); // nothing left
        QCOMPARE(game.frame->flow().round().moves, 0);

        QTest::keyClick(game.frame.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(game.frame.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(tilesOf(game), played);
        QCOMPARE(movesShown(game), QStringLiteral("Moves: 2"));
        QCOMPARE(game.sounds.played.size(), 6);
    }

    void aWonGameIsWonOnce()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        // Every congratulation is counted and closed, for as long as the test runs.
        int congratulated = 0;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog =
                    dynamic_cast<CongratulationsDialog*>(QApplication::activeModalWidget())) {
                ++congratulated;
                dialog->reject();
            }
        });
        answer.start(10);
        // Each cell's own tile put there with one swap.
        const Board& board = game.frame->flow().round().board;
        for (int home = 0; home < board.cellCount(); ++home) {
            const Cell cell = board.homeCell(home);
            if (board.at(cell) == home)
                continue;
            for (int other = home + 1; other < board.cellCount(); ++other) {
                if (board.at(board.homeCell(other)) == home) {
                    clickCell(game, cell);
                    clickCell(game, board.homeCell(other));
                    break;
                }
            }
        }
        QTRY_COMPARE(congratulated, 1); // once the winning swap has glided home
        const QString moves = movesShown(game);
        // The winning move taken back and made again: over already, so no second win.
        game.frame->execute(CommandId::Undo);
        game.frame->execute(CommandId::Redo);
        QVERIFY(game.frame->flow().round().board.isSolved());
        QTest::qWait(100);
        QCOMPARE(congratulated, 1);
        QCOMPARE(movesShown(game), moves); // the figures stopped at the end
    }

    void restartGivesTheFirstBoardBack()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        game.frame->execute(CommandId::Slider);
        const std::vector<int> jumbled = tilesOf(game);
        clickCell(game, {0, 3});
        clickCell(game, {0, 0});
        clickCell(game, {2, 0});
        QCOMPARE(game.frame->flow().round().moves, 3);
        game.clock.now += 30;
        game.frame->action(CommandId::Restart)->trigger();
        QCOMPARE(tilesOf(game), jumbled);
        QCOMPARE(movesShown(game), QStringLiteral("Moves: 0"));
        QCOMPARE(game.frame->gameStatusBar()->timeText(), QStringLiteral("Time: 0:00"));
        QCOMPARE(game.frame->pictureSource().picturePath,
                 game.inFolder(QStringLiteral("picture.jpg")));
    }

    void progressAndHintsShowBesideTheMoves()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        game.frame->execute(CommandId::Slider);
        Board moved(PuzzleMode::Slider, 4);
        QVERIFY(moved.slide({3, 1})); // two tiles of the last column leave home
        QVERIFY(moved.slide({0, 1})); // and three of the second row
        QVERIFY(game.resumeOn(moved));
        const GameStatusBar* status = game.frame->gameStatusBar();
        QCOMPARE(status->progressText(), QStringLiteral("10 of 15 in place"));
        game.frame->execute(CommandId::Hint); // not the last move: no message to answer
        QVERIFY(!game.round().board.isSolved());
        QCOMPARE(status->progressText(), QStringLiteral("%1 of 15 in place  \u00b7  Hints: 1")
                                             .arg(game.round().board.tilesHome()));
    }

    void timeRunsAndStopsAtTheEnd()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const GameStatusBar* status = game.frame->gameStatusBar();
        game.clock.now += 3661;
        QTRY_COMPARE(status->timeText(), QStringLiteral("Time: 1:01:01"));
        clickCell(game, {0, 0});
        clickCell(game, {1, 1});
        game.frame->execute(CommandId::SolveForMe);
        game.clock.now += 100;
        QTest::qWait(500);
        QCOMPARE(status->timeText(), QStringLiteral("Time: 1:01:01"));
        QCOMPARE(status->movesText(), QStringLiteral("Moves: 1"));
    }

    void fullScreenFillsTheScreenAndComesBackAsItWas()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(showActive(game));
        QVERIFY(game.startOnFlatPicture(QSize(2000, 1500))); // larger than the screen
        BoardView* board = game.frame->boardView();
        const QRect window = game.frame->geometry();
        const QSize windowed = board->size();
        const QRect screen = game.frame->screen()->geometry();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QTRY_COMPARE(game.frame->geometry(), screen);
        QVERIFY(game.checked(CommandId::FullScreen));
        // As large as the middle allows, one way filled, centred, the picture's shape kept.
        const QWidget* stage = game.frame->centralWidget();
        QTRY_VERIFY(board->width() > stage->width() - 4 || board->height() > stage->height() - 4);
        QVERIFY(board->width() <= stage->width() && board->height() <= stage->height());
        QVERIFY(std::abs(board->x() * 2 + board->width() - stage->width()) <= 1);
        QVERIFY(std::abs(board->y() * 2 + board->height() - stage->height()) <= 1);
        const int n = game.frame->settings().dimension; // whole tiles cut up to n pixels off
        QVERIFY(std::abs(board->width() * 3 - board->height() * 4) <= n * (3 + 4));
        // The picture was decoded anew for the larger board: its tiles come from as many pixels.
        QVERIFY(game.frame->picture().pixels().width() >=
                board->width() * game.frame->devicePixelRatioF());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(game.frame->geometry(), window);
        QCOMPARE(board->size(), windowed);
        QVERIFY(!game.checked(CommandId::FullScreen));
    }

    void statusBarTakesItsOwnBand()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const QSize board(game.frame->boardView()->width(), game.frame->boardView()->height());
        const int shown = game.frame->height();
        const int band = game.frame->gameStatusBar()->height();
        QVERIFY(band > 10);
        QVERIFY(game.checked(CommandId::StatusBar));
        game.frame->execute(CommandId::StatusBar);
        QVERIFY(!game.checked(CommandId::StatusBar));
        QTRY_COMPARE(game.frame->height(), shown - band);
        QCOMPARE(game.frame->boardView()->size(), board);
        game.frame->execute(CommandId::StatusBar);
        QTRY_COMPARE(game.frame->height(), shown);
        game.frame->execute(CommandId::StatusBar);
        QVERIFY(game.frame->close());
        QCOMPARE(QSettings(game.profile.fileName(), QSettings::IniFormat)
                     .value("Settings/StatusBar")
                     .toString(),
                 QStringLiteral("0"));
    }

    void tallPictureLeavesRoomForTheStatusBar()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        QVERIFY(game.startOnFlatPicture(QSize(400, 4000)));
        const int withStatus = game.frame->boardView()->height();
        const int band = game.frame->gameStatusBar()->sizeHint().height();
        game.frame->execute(CommandId::StatusBar);
        game.frame->execute(CommandId::Size4); // the same picture laid out again
        // Both heights are cut down to whole tiles.
        QVERIFY(qAbs(game.frame->boardView()->height() - band - withStatus) < 4);
        QVERIFY(game.frame->boardView()->height() > withStatus);
    }

    void tileNumbersAreASetting()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const QImage plain = game.frame->boardView()->grab().toImage();
        game.frame->execute(CommandId::TileNumbers);
        QCOMPARE(game.frame->settings().tileNumbers, 1);
        QVERIFY(game.checked(CommandId::TileNumbers));
        QVERIFY(game.frame->boardView()->grab().toImage() != plain);
        game.frame->execute(CommandId::TileNumbers);
        QCOMPARE(game.frame->boardView()->grab().toImage(), plain);
    }

    void leftGameIsResumedOnceWithItsFigures()
    {
        TwoRuns runs({"picture.jpg"});
        GameFixture& first = *runs.first;
        QVERIFY(first.show());
        first.frame->execute(CommandId::Size5);
        clickCell(first, {0, 0});
        clickCell(first, {4, 4});
        first.clock.now += 50;
        const std::vector<int> board = tilesOf(first);
        first.frame->execute(CommandId::Exit);
        QVERIFY(keptInProfile(runs.ini));

        runs.startSecond();
        GameFixture& second = *runs.second;
        second.clock.now += 9000;
        QVERIFY(second.run(CommandId::ResumeLast));
        QCOMPARE(second.frame->pictureSource().picturePath,
                 first.inFolder(QStringLiteral("picture.jpg")));
        QCOMPARE(second.frame->settings().dimension, 5);
        QVERIFY(second.checked(CommandId::Size5));
        QCOMPARE(tilesOf(second), board);
        QCOMPARE(movesShown(second), QStringLiteral("Moves: 1"));
        QCOMPARE(second.frame->gameStatusBar()->timeText(), QStringLiteral("Time: 0:50"));
        QVERIFY(!keptInProfile(runs.ini)); // taken out at once
        MessageBoxAnswerer answerer;
        QVERIFY(second.run(CommandId::ResumeLast));
        QCOMPARE(answerer.texts, QStringList{"There is no unfinished puzzle to resume."});
        QCOMPARE(tilesOf(second), board);
        // Left again while under way: kept again.
        QVERIFY(second.frame->close());
        QVERIFY(keptInProfile(runs.ini));
    }

    void archivedAndBuiltInPicturesResume()
    {
        TwoRuns runs({"three.zip"});
        GameFixture& first = *runs.first;
        first.frame->openPath(first.inFolder(QStringLiteral("three.zip")), 2, 3);
        QVERIFY(first.pictureLoaded());
        clickCell(first, {0, 0});
        clickCell(first, {1, 0});
        QVERIFY(first.frame->close());
        runs.startSecond();
        QVERIFY(runs.second->run(CommandId::ResumeLast));
        QCOMPARE(runs.second->frame->pictureSource().zipIndex, 2);
        QCOMPARE(runs.second->frame->pictureSource().zipCount, 3);
        QCOMPARE(runs.second->frame->picture().size(), QSize(40, 30));
        QVERIFY(runs.second->toolbar()->newIsDropDown());

        {
            const MessageBoxAnswerer answerer; // the missing picture is named
            first.frame->openPath(first.inFolder(QStringLiteral("missing.jpg")));
            QVERIFY(first.pictureLoaded());
        }
        QVERIFY(first.frame->pictureSource().defaultPictureShown);
        clickCell(first, {0, 0});
        clickCell(first, {1, 0});
        QVERIFY(first.frame->close());
        QVERIFY(runs.second->run(CommandId::ResumeLast));
        QVERIFY(runs.second->frame->pictureSource().defaultPictureShown);
        QCOMPARE(runs.second->frame->picture().size(), QSize(350, 351));
    }

    // The player is told, the game goes on as it was, and the record is dropped.
    void pictureGoneIsToldThenDropped()
    {
        TwoRuns runs({"picture.jpg"});
        GameFixture& first = *runs.first;
        clickCell(first, {0, 0});
        clickCell(first, {1, 0});
        QVERIFY(first.frame->close());
        QVERIFY(QFile::remove(first.inFolder(QStringLiteral("picture.jpg"))));
        runs.startSecond();
        GameFixture& second = *runs.second;
        const std::vector<int> board = tilesOf(second);
        const QString path = second.frame->pictureSource().picturePath;
        const bool builtIn = second.frame->pictureSource().defaultPictureShown;
        MessageBoxAnswerer answerer;
        QVERIFY(second.run(CommandId::ResumeLast));
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY(answerer.texts[0].contains(QStringLiteral("can no longer be loaded")));
        QVERIFY(answerer.texts[0].contains(QStringLiteral("The file cannot be read.")));
        QCOMPARE(tilesOf(second), board);
        QCOMPARE(second.frame->pictureSource().picturePath, path);
        QCOMPARE(second.frame->pictureSource().defaultPictureShown, builtIn);
        QVERIFY(!keptInProfile(runs.ini));
    }
};

TW_REGISTER_TEST(TestPlayComforts)
#include "tst_playcomforts.moc"
