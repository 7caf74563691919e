// Tests of the game session: the rules of a run, without a window.
#include "app/gamesession.h"
#include "app/keptgame.h"
#include "fakes.h"
#include "platform/profilestore.h"
#include "platform/randomengine.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A session over a private folder and profile, on a copy of the corpus picture.
struct Session {
    explicit Session(const QString& ini = QString())
        : profile(ini.isEmpty() ? folder.filePath(QStringLiteral("tilewright.ini")) : ini)
    {
        QFile::copy(testData(QStringLiteral("picture.jpg")), picture);
        session.open(picture, 1, 0, {});
    }

    // A fresh jumble and a move or two: one swap, or two slides from the corner's hole.
    void play()
    {
        session.flow().jumble();
        const int n = board().dimension();
        session.flow().click({0, n - 1});
        session.flow().click({0, 0});
    }
    const Board& board() const { return session.flow().round().board; }

    QTemporaryDir folder;
    QString picture = folder.filePath(QStringLiteral("picture.jpg"));
    ProfileStore profile;
    RandomEngine random{5};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    GameSession session{profile, random, sounds, clock, folder.path()};
};

// Resume, as the window takes it in steps, at once.
Resumption resumeNow(GameSession& session)
{
    const std::optional<KeptGame> kept = session.newestKeptGame();
    if (!kept)
        return {};
    const PictureRequest request = session.keptRequest(*kept);
    return session.resume(*kept, request, fetchPicture(request, {}));
}
} // namespace

class TestGameSession : public QObject {
    Q_OBJECT

private slots:
    void giftModeByteChoosesTheMode_data()
    {
        QTest::addColumn<char>("byte");
        QTest::addColumn<PuzzleMode>("stored");
        QTest::addColumn<PuzzleMode>("played");
        QTest::newRow("tile swap") << '\x00' << PuzzleMode::Slider << PuzzleMode::TileSwap;
        QTest::newRow("slider") << '\x01' << PuzzleMode::TileSwap << PuzzleMode::Slider;
        QTest::newRow("any other keeps the setting")
            << '\x07' << PuzzleMode::Slider << PuzzleMode::Slider;
    }

    void giftModeByteChoosesTheMode()
    {
        QFETCH(char, byte);
        QFETCH(PuzzleMode, stored);
        QFETCH(PuzzleMode, played);
        Session run;
        run.session.settings().puzzleMode = stored;
        QVERIFY(!run.session.giftRequest(QCoreApplication::applicationFilePath()));
        QCOMPARE(run.session.settings().puzzleMode, stored);
        const QString gift = run.folder.filePath(QStringLiteral("gift"));
        QVERIFY(writeFile(gift, readFile(QCoreApplication::applicationFilePath()) + byte +
                                    readFile(testData(QStringLiteral("picture.gif")))));
        const std::optional<PictureRequest> request = run.session.giftRequest(gift);
        QVERIFY(request);
        QCOMPARE(run.session.settings().puzzleMode, played);
        QVERIFY(request->source.giftMode);
    }

    // Open starts in the folder of the picture shown, else in the picture folder.
    void openStartsWhereThePictureIs()
    {
        Session run;
        const QTemporaryDir elsewhere;
        const QString other = QDir(elsewhere.path()).filePath(QStringLiteral("other.gif"));
        QVERIFY(QFile::copy(testData(QStringLiteral("picture.gif")), other));
        run.session.open(other, 1, 0, {});
        QCOMPARE(QDir(run.session.openFolder()), QDir(elsewhere.path()));
        QCOMPARE(QDir(run.session.settings().folder), QDir(elsewhere.path()));
        run.session.settings().folder = run.folder.path();
        QVERIFY(QFile::remove(other));
        const PictureRequest again = run.session.loader().currentRequest();
        run.session.loader().show(again, fetchPicture(again, {})); // the built-in picture
        QCOMPARE(QDir(run.session.openFolder()), QDir(run.folder.path()));
        run.session.settings().folder = run.folder.filePath(QStringLiteral("gone"));
        QCOMPARE(run.session.openFolder(), QString());
    }

    void hintsKeepAWonGameOffTheScoreboard()
    {
        Session run;
        Board nearly(PuzzleMode::Slider, 3);
        QVERIFY(nearly.slide({2, 1}));
        for (const bool hinted : {false, true}) {
            run.session.flow().resume({nearly, nearly, 4, 30});
            run.clock.now += 12;
            QVERIFY(hinted ? run.session.flow().hint() : run.session.flow().click({2, 2}));
            QVERIFY(run.session.flow().checkCompletion([] {}));
            const std::optional<GameResult> result = run.session.scoreboardResult();
            QCOMPARE(result.has_value(), !hinted);
            if (result) {
                QCOMPARE(result->mode, 1);
                QCOMPARE(result->dimension, 3);
                QCOMPARE(result->moves, 5);
                QCOMPARE(result->seconds, 42);
            }
        }
    }

    void onlyAGameUnderWayIsKept()
    {
        Session run;
        QVERIFY(run.session.save());
        QVERIFY(readKeptGames(run.profile).empty()); // no move made
        run.play();
        QVERIFY(run.session.save());
        QCOMPARE(readKeptGames(run.profile).size(), std::size_t{1});
    }

    // Two copies kept their games; a third run takes up the newest and keeps its own game in
    // its place, so going back and forth loses nothing.
    void resumeTakesUpTheNewestAndKeepsTheGameItReplaces()
    {
        Session first;
        QCOMPARE(resumeNow(first.session).outcome, Resumption::Outcome::NothingKept);
        first.play();
        Session second(first.profile.fileName());
        second.session.settings().puzzleMode = PuzzleMode::Slider;
        second.session.settings().dimension = 6;
        second.play();
        QVERIFY(first.session.save() && second.session.save());

        Session third(first.profile.fileName());
        third.session.settings().dimension = 3;
        third.play();
        const Board own = third.board();
        QCOMPARE(resumeNow(third.session).outcome, Resumption::Outcome::Resumed);
        QCOMPARE(third.board(), second.board());
        QCOMPARE(third.session.settings().puzzleMode, PuzzleMode::Slider);
        QCOMPARE(third.session.settings().dimension, 6);
        QCOMPARE(third.session.flow().round().moves, 2);
        QCOMPARE(resumeNow(third.session).outcome, Resumption::Outcome::Resumed);
        QCOMPARE(third.board(), own);
        QCOMPARE(resumeNow(third.session).outcome, Resumption::Outcome::Resumed);
        QCOMPARE(third.board(), second.board());
        QCOMPARE(readKeptGames(third.profile).size(), std::size_t{2});
    }

    // A kept game whose picture is gone is dropped, so the next Resume reaches the one
    // kept before it; nothing else changes.
    void resumeWhosePictureIsGoneDropsThatGameAlone()
    {
        Session older;
        older.play();
        QVERIFY(older.session.save());
        Session newer(older.profile.fileName());
        const QString gone = newer.folder.filePath(QStringLiteral("gone.jpg"));
        QVERIFY(QFile::rename(newer.picture, gone));
        newer.session.open(gone, 1, 0, {});
        newer.play();
        QVERIFY(newer.session.save() && QFile::remove(gone));

        Session third(older.profile.fileName());
        const Board before = third.board();
        const Resumption resumed = resumeNow(third.session);
        QCOMPARE(resumed.outcome, Resumption::Outcome::PictureGone);
        QCOMPARE(resumed.picturePath, gone);
        QCOMPARE(third.board(), before);
        QCOMPARE(readKeptGames(ProfileStore(older.profile.fileName())).size(), std::size_t{1});
        QCOMPARE(resumeNow(third.session).outcome, Resumption::Outcome::Resumed);
        QCOMPARE(third.board(), older.board());
    }
};

TW_REGISTER_TEST(TestGameSession)
#include "tst_gamesession.moc"
