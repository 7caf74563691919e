// Tests of a picture loading off the window's thread: the window waits without freezing, and
// the newest load wins.
#include "app/gamestatusbar.h"
#include "game/boardview.h"
#include "gamefixture.h"
#include "messageboxes.h"
#include "testregistry.h"

#include <QSemaphore>
#include <QTest>

namespace {
// Holds the fixture's only picture thread until released, so a load waits for the test.
class HeldThreads {
public:
    explicit HeldThreads(QThreadPool& threads)
    {
        threads.setMaxThreadCount(1);
        threads.start([this] { release_.acquire(); });
    }
    ~HeldThreads() { release(); }
    HeldThreads(const HeldThreads&) = delete;
    HeldThreads& operator=(const HeldThreads&) = delete;

    void release()
    {
        if (!released_)
            release_.release();
        released_ = true;
    }

private:
    QSemaphore release_;
    bool released_ = false;
};
} // namespace

class TestPictureLoading : public QObject {
    Q_OBJECT

private slots:
    void theBoardWaitsWithTheOldPuzzle()
    {
        GameFixture game({"picture.jpg"}, std::nullopt, QString(), "picture.jpg");
        QVERIFY(game.show());
        const QString before = game.frame->pictureSource().picturePath;
        const Board board = game.round().board;
        HeldThreads held(game.pictureThreads);
        game.frame->openPath(testData("picture.bmp"));
        QVERIFY(game.frame->loadingPicture());
        // Commands still answer; the board shows the old puzzle, busy, and takes no move.
        game.frame->execute(CommandId::Grid);
        QVERIFY(!game.frame->settings().grid);
        clickCell(game, {0, 0});
        clickCell(game, {1, 0});
        QVERIFY(game.round().board == board);
        QCOMPARE(game.frame->boardView()->cursor().shape(), Qt::BusyCursor);
        QCOMPARE(game.frame->gameStatusBar()->currentMessage(),
                 QStringLiteral("Loading picture..."));
        QCOMPARE(game.frame->pictureSource().picturePath, before);
        held.release();
        QVERIFY(game.pictureLoaded());
        QCOMPARE(game.frame->pictureSource().picturePath, testData("picture.bmp"));
        QCOMPARE(game.frame->boardView()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(game.frame->gameStatusBar()->currentMessage(), QString());
        clickCell(game, {0, 0});
        clickCell(game, {1, 0});
        QCOMPARE(game.round().moves, 1);
    }

    void theNewestLoadWins()
    {
        // Two Opens, then a New: only the New's picture is shown, and nothing is said of the
        // unreadable file the first Open asked for.
        GameFixture game({"picture.jpg", "picture.gif", "text.jpg"});
        HeldThreads held(game.pictureThreads);
        MessageBoxAnswerer answerer;
        game.frame->openPath(game.inFolder("text.jpg"));
        game.frame->openPath(game.inFolder("picture.gif"));
        QVERIFY(game.frame->loadingPicture());
        held.release();
        QVERIFY(game.pictureLoaded());
        QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("picture.gif"));
        QVERIFY(answerer.texts.isEmpty());
    }

    void theNextNewIsReadyAtOnce()
    {
        // Two pictures: New alternates, each drawn and decoded once the one before settles.
        GameFixture game({"picture.jpg", "picture.bmp"});
        const QString first = game.frame->pictureSource().picturePath;
        QVERIFY(QTest::qWaitFor([&] { return game.frame->nextNewReady(); }));
        game.frame->execute(CommandId::New);
        QVERIFY(!game.frame->loadingPicture());
        QVERIFY(game.frame->pictureSource().picturePath != first);
        // Its file changed since: it loads as usual.
        QVERIFY(QTest::qWaitFor([&] { return game.frame->nextNewReady(); }));
        QFile file(first);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(1),
                                 QFileDevice::FileModificationTime));
        file.close();
        game.frame->execute(CommandId::New);
        QVERIFY(game.frame->loadingPicture());
        QVERIFY(game.pictureLoaded());
        QCOMPARE(game.frame->pictureSource().picturePath, first);
        // A size change drops it.
        QVERIFY(QTest::qWaitFor([&] { return game.frame->nextNewReady(); }));
        game.frame->execute(CommandId::Size5);
        QVERIFY(!game.frame->nextNewReady());
    }

    void closingDuringALoadKeepsTheGameUnderWay()
    {
        GameFixture game({"picture.jpg"}, std::nullopt, QString(), "picture.jpg");
        QVERIFY(game.show());
        const QString before = game.frame->pictureSource().picturePath;
        clickCell(game, {0, 0});
        clickCell(game, {1, 0});
        HeldThreads held(game.pictureThreads);
        game.frame->openPath(testData("picture.bmp"));
        QVERIFY(game.frame->loadingPicture());
        QVERIFY(game.frame->close());
        QVERIFY(game.frame->hasKeptGame());
        // The picture that comes after the window closed is shown nowhere.
        held.release();
        QVERIFY(game.pictureThreads.waitForDone(20000));
        QCoreApplication::processEvents();
        QVERIFY(!game.frame->loadingPicture());
        QCOMPARE(game.frame->pictureSource().picturePath, before);
    }
};

TW_REGISTER_TEST(TestPictureLoading)
#include "tst_pictureloading.moc"
