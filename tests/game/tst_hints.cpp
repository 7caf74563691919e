// Tests of the hints: the slider solver, the tile-swap planner, and hints as moves of a game.
#include "fakes.h"
#include "game/gameflow.h"
#include "game/hintplanner.h"
#include "game/playersettings.h"
#include "game/slidersolver.h"
#include "platform/randomengine.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QFile>
#include <QTest>
#include <deque>
#include <unordered_map>

namespace {
// The board after the hint's move.
void play(Board& board, const Move& move)
{
    QVERIFY(playMove(board, move, Way::Forward));
}

// Hints one after another until the board is solved; the hints it took, or -1 when they
// stopped or ran past the limit first.
int hintsToSolve(Board board, int limit)
{
    HintPlanner planner;
    for (int hints = 0; hints <= limit; ++hints) {
        const std::optional<Move> move = planner.next(board);
        if (!move)
            return board.isSolved() ? hints : -1;
        play(board, *move);
    }
    return -1;
}

// The fewest swaps that bring a tile-swap board home: N x N less the cycles of its tiles.
int swapsLeft(const Board& board)
{
    const int n = board.dimension();
    std::vector<bool> seen(static_cast<size_t>(n * n), false);
    int cycles = 0;
    for (int start = 0; start < n * n; ++start) {
        if (seen[static_cast<size_t>(start)])
            continue;
        ++cycles;
        for (int at = start; !seen[static_cast<size_t>(at)]; at = board.at(board.homeCell(at)))
            seen[static_cast<size_t>(at)] = true;
    }
    return n * n - cycles;
}

// A 3 x 3 position as one number: its tiles in reading order, four bits each.
std::uint64_t key(const Board& board)
{
    std::uint64_t packed = 0;
    for (const int tile : board.tiles())
        packed = packed * 16 + static_cast<std::uint64_t>(tile + 1);
    return packed;
}

// The fewest moves from every 3 x 3 position to the solved one, a slide of one tile or two
// a move, found breadth first from the solved board.
const std::unordered_map<std::uint64_t, int>& threeByThreeDistances()
{
    static const std::unordered_map<std::uint64_t, int> distances = [] {
        std::unordered_map<std::uint64_t, int> found;
        Board solved(PuzzleMode::Slider, 3);
        std::deque<Board> queue{solved};
        found[key(solved)] = 0;
        while (!queue.empty()) {
            const Board board = queue.front();
            queue.pop_front();
            const int distance = found[key(board)];
            for (int cell = 0; cell < 9; ++cell) {
                Board after = board;
                if (after.slide(after.homeCell(cell)) &&
                    found.emplace(key(after), distance + 1).second)
                    queue.push_back(after);
            }
        }
        return found;
    }();
    return distances;
}

int distanceOf(const Board& board)
{
    return threeByThreeDistances().at(key(board));
}

struct Game {
    PlayerSettings settings;
    RandomEngine random{17};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    GameFlow flow{settings, random, sounds, clock};

    Game(PuzzleMode mode, int n)
    {
        settings.puzzleMode = mode;
        settings.dimension = n;
        flow.jumble();
    }
};
} // namespace

class TestHints : public QObject {
    Q_OBJECT

private slots:
    void slideHintsSolveRandomJumbles_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("jumbles");
        // Solutions of the larger boards take milliseconds each (4 x 4 a tenth of a second),
        // and the suite also runs under the sanitizers: as many as a run can afford.
        for (int n = Board::MinDimension; n <= Board::MaxDimension; ++n)
            QTest::addRow("%dx%d", n, n) << n << (n == 3 ? 300 : n == 4 ? 5 : 40);
    }

    void slideHintsSolveRandomJumbles()
    {
        QFETCH(int, n);
        QFETCH(int, jumbles);
        RandomEngine random(300 + n);
        for (int i = 0; i < jumbles; ++i) {
            Board board(PuzzleMode::Slider, n);
            board.jumble(random);
            const int hints = hintsToSolve(board, 4000);
            QVERIFY2(hints >= 0, qPrintable(QStringLiteral("jumble %1 was not solved").arg(i)));
        }
    }

    void everyThreeByThreeHintIsOneMoveCloser()
    {
        RandomEngine random(33);
        for (int i = 0; i < 200; ++i) {
            Board board(PuzzleMode::Slider, 3);
            board.jumble(random);
            HintPlanner planner;
            int distance = distanceOf(board);
            QVERIFY(distance <= 24); // the most moves any 3 x 3 position needs
            while (const std::optional<Move> move = planner.next(board)) {
                play(board, *move);
                QCOMPARE(distanceOf(board), distance - 1);
                --distance;
            }
            QCOMPARE(distance, 0);
        }
    }

    void fourByFourInFewerMovesThanTheShortestOneTileSolution()
    {
        // Each line: the tiles in reading order (-1 the hole), then the fewest one-tile slides
        // that solve them, found once by an unbounded search with an estimate that never
        // overshoots. Slides of several tiles take a good deal fewer moves.
        QFile file(testData(QStringLiteral("fourbyfour-shortest.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        int boards = 0;
        while (!file.atEnd()) {
            const QStringList numbers =
                QString::fromLatin1(file.readLine()).simplified().split(' ');
            if (numbers.size() != 17)
                continue;
            std::vector<int> tiles;
            for (int i = 0; i < 16; ++i)
                tiles.push_back(numbers[i].toInt());
            const std::optional<Board> board = Board::fromTiles(PuzzleMode::Slider, 4, tiles);
            QVERIFY(board);
            const int shortest = numbers[16].toInt();
            const int hints = hintsToSolve(*board, 200);
            QVERIFY2(
                hints <= shortest * 85 / 100,
                qPrintable(QStringLiteral("%1 hints for a board of %2").arg(hints).arg(shortest)));
            ++boards;
        }
        QCOMPARE(boards, 16);
    }

    void everySwapHintPutsATileHome_data()
    {
        QTest::addColumn<int>("n");
        for (int n = Board::MinDimension; n <= Board::MaxDimension; ++n)
            QTest::addRow("%dx%d", n, n) << n;
    }

    void everySwapHintPutsATileHome()
    {
        QFETCH(int, n);
        RandomEngine random(500 + n);
        for (int i = 0; i < 300; ++i) {
            Board board(PuzzleMode::TileSwap, n);
            board.jumble(random);
            HintPlanner planner;
            int left = swapsLeft(board);
            while (const std::optional<Move> move = planner.next(board)) {
                const int home = board.at(move->to);
                play(board, *move);
                QCOMPARE(board.at(move->from), home); // the tile taken there is home
                QCOMPARE(board.homeNumber(move->from), home);
                QCOMPARE(swapsLeft(board), --left);
            }
            QCOMPARE(left, 0);
            QVERIFY(board.isSolved());
        }
    }

    void aMoveOfThePlayersOwnIsPlannedAfresh()
    {
        RandomEngine random(9);
        Board board(PuzzleMode::Slider, 6);
        board.jumble(random);
        HintPlanner planner;
        for (int i = 0; i < 5; ++i)
            play(board, *planner.next(board));
        // The player slides another tile: the plan no longer fits, a new one does.
        const Cell hole{board.holeCol(), board.holeRow()};
        QVERIFY(board.slide({hole.col == 0 ? 1 : hole.col - 1, hole.row}));
        int hints = 0;
        while (const std::optional<Move> move = planner.next(board)) {
            play(board, *move);
            QVERIFY(++hints < 4000);
        }
        QVERIFY(board.isSolved());
        QCOMPARE((Cell{board.holeCol(), board.holeRow()}), (Cell{5, 5}));
    }

    void aSolvedOrHolelessBoardNeedsNoSolution()
    {
        Board solved(PuzzleMode::Slider, 5);
        QVERIFY(solveSlider(solved).empty());
        Board filled;
        filled.fillSolved();
        QVERIFY(solveSlider(filled).empty());
        HintPlanner planner;
        QVERIFY(!planner.next(solved));
    }

    void aHintIsAMoveOfTheGame()
    {
        Game game(PuzzleMode::Slider, 3);
        const Board jumbled = game.flow.round().board;
        QVERIFY(game.flow.hint());
        QCOMPARE(game.flow.round().moves, 1);
        QCOMPARE(game.flow.round().hints, 1);
        QCOMPARE(game.sounds.played, QStringList{Sound::Slider});
        QVERIFY(game.flow.canUndo());
        QVERIFY(game.flow.undo());
        QVERIFY(game.flow.round().board == jumbled);
        QCOMPARE(game.flow.round().hints, 1); // taken back, still used
        int hints = 0;
        while (game.flow.hint())
            QVERIFY(++hints <= 31);
        bool congratulated = false;
        QVERIFY(game.flow.checkCompletion([&] { congratulated = true; }));
        QVERIFY(congratulated);     // the window says why no score is entered
        QVERIFY(!game.flow.hint()); // over
        game.flow.restart();
        QCOMPARE(game.flow.round().hints, 0);
    }

    void aSwapHintClearsTheSelection()
    {
        Game game(PuzzleMode::TileSwap, 4);
        QVERIFY(game.flow.click({0, 0}));
        QVERIFY(game.flow.round().selected);
        QVERIFY(game.flow.hint());
        QVERIFY(!game.flow.round().selected);
        QCOMPARE(game.sounds.played, QStringList{Sound::Shuffle});
    }

    void theHistoryAndHintsOfAKeptGameComeBack()
    {
        Game game(PuzzleMode::Slider, 4);
        const Board jumbled = game.flow.round().board;
        QVERIFY(game.flow.hint());
        QVERIFY(game.flow.hint());
        const std::optional<UnfinishedGame> kept = game.flow.unfinished();
        QVERIFY(kept);
        QCOMPARE(kept->history.size(), size_t{2});
        QCOMPARE(kept->hints, 2);
        Game later(PuzzleMode::TileSwap, 3);
        later.flow.resume(*kept);
        QCOMPARE(later.flow.round().hints, 2);
        QVERIFY(later.flow.undo());
        QVERIFY(later.flow.undo());
        QVERIFY(later.flow.round().board == jumbled);
        QVERIFY(!later.flow.canUndo());
    }

    void aKeptGameKeepsItsLatestMoves()
    {
        Game game(PuzzleMode::TileSwap, 3);
        for (int i = 0; i < MaxKeptMoves + 5; ++i) {
            game.flow.click({i % 2, 0});
            game.flow.click({2, 2});
        }
        const std::optional<UnfinishedGame> kept = game.flow.unfinished();
        QVERIFY(kept);
        QCOMPARE(kept->history.size(), std::size_t{MaxKeptMoves});
        QCOMPARE(kept->history.back(), (Move{PuzzleMode::TileSwap, {0, 0}, {2, 2}}));
        QVERIFY(takenBack(kept->board, kept->history));
    }
};

TW_REGISTER_TEST(TestHints)
#include "tst_hints.moc"
