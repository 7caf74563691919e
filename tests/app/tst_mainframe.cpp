// Tests of the main window: start-up, the commands of the menus and the window's size.
#include "about/aboutdialog.h"
#include "filedialogs.h"
#include "game/boardview.h"
#include "game/puzzlepicture.h"
#include "game/solutiondialog.h"
#include "gamefixture.h"
#include "gift/giftdialog.h"
#include "messageboxes.h"
#include "modaldialogs.h"
#include "pictures/openpicturedialog.h"
#include "scores/congratulationsdialog.h"
#include "scores/scoretables.h"
#include "testregistry.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void windowFollowsTheBoard()
    {
        GameFixture game({"picture.jpg"});
        MainFrame& frame = *game.frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Tilewright"));
        QVERIFY(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(frame.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(frame.minimumSize(), frame.maximumSize());
        QCOMPARE(frame.boardView()->size(), QSize(348, 232)); // 48 x 32 widened to 350
        QCOMPARE(frame.width(), 348); // no gap beside the board, whatever the toolbar holds
        QVERIFY(frame.height() > 232 + frame.menuBar()->height());
        QVERIFY(game.state.windowReady);
    }

    void largePictureFitsTheScreen()
    {
        GameFixture game({});
        QVERIFY(game.startOnFlatPicture(QSize(4000, 3000)));
        QVERIFY(game.show());
        const QRect work = game.frame->screen()->availableGeometry();
        QVERIFY2(work.contains(game.frame->geometry()), "the window runs off the screen");
        QCOMPARE(game.frame->boardView()->size(),
                 QSize(game.state.boardWidth, game.state.boardHeight));
        QVERIFY(game.state.boardWidth < 4000 && game.state.boardWidth >= 350);
    }

    void largePictureIsDecodedAtBoardSize()
    {
        GameFixture game({});
        QVERIFY(game.startOnFlatPicture(QSize(6000, 4000)));
        QCOMPARE(game.frame->picture().size(), QSize(6000, 4000));
        const QSize pixels = game.frame->picture().pixels().size();
        const qreal ratio = game.frame->devicePixelRatioF();
        QVERIFY(pixels.width() >= game.state.boardWidth * ratio);
        QVERIFY(pixels.height() >= game.state.boardHeight * ratio);
        QVERIFY(pixels.width() < 2 * game.state.boardWidth * ratio);
    }

    void startPictureOpensAsOpenDoes()
    {
        {
            GameFixture game({"picture.png", "picture.jpg"}, std::nullopt, {}, "picture.png");
            QCOMPARE(game.state.picturePath, game.inFolder("picture.png"));
            QCOMPARE(game.state.folder, QDir(game.folder.path()).absolutePath());
            QCOMPARE(game.frame->picture().size(), QSize(40, 30));
        }
        {
            GameFixture game({"three.zip"}, std::nullopt, {}, "three.zip");
            QCOMPARE(game.state.zipIndex, 1);
            QCOMPARE(game.state.zipCount, 3);
            QCOMPARE(game.frame->picture().width(), 48); // one.jpg
            QVERIFY(game.toolbar()->newIsDropDown());
        }
        {
            GameFixture game({"picture.jpg"}, std::nullopt, {}, "missing.webp");
            QCOMPARE(game.state.picturePath, game.inFolder("missing.webp"));
            QVERIFY(game.state.defaultPictureShown);
        }
    }

    void giftWinsOverAStartPicture()
    {
        const QByteArray gif = readFile(testData("picture.gif"));
        GameFixture game({"picture.png"}, QByteArray(1, '\1') + gif, {}, "picture.png");
        QVERIFY(game.state.giftMode);
        QCOMPARE(game.frame->picture().saveEncoded(), gif);
    }

    void droppedPictureOpens()
    {
        GameFixture game({"picture.jpg", "picture.webp", "text.jpg"});
        QFile::copy(testData("three.zip"), game.inFolder("notes.txt"));
        QVERIFY(game.show());
        const auto drag = [&](const QList<QUrl>& urls) {
            QMimeData data;
            data.setUrls(urls);
            const QPoint at = game.frame->boardView()->geometry().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(game.frame.get(), &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(game.frame.get(), &drop);
            return drop.isAccepted();
        };
        const QUrl webp = QUrl::fromLocalFile(game.inFolder("picture.webp"));
        QVERIFY(drag({webp}));
        QCOMPARE(game.state.picturePath, game.inFolder("picture.webp"));
        QCOMPARE(game.frame->picture().size(), QSize(40, 30));
        QCOMPARE(game.state.moves, 0);
        // Anything else is refused, and the board stays.
        const Board board = game.state.board;
        QVERIFY(!drag({QUrl::fromLocalFile(game.inFolder("notes.txt"))}));
        QVERIFY(!drag({webp, QUrl::fromLocalFile(game.inFolder("picture.jpg"))}));
        QVERIFY(!drag({QUrl(QStringLiteral("https://example.org/photo.jpg"))}));
        QVERIFY(!drag({}));
        QCOMPARE(game.state.picturePath, game.inFolder("picture.webp"));
        QVERIFY(game.state.board == board);
        // A picture name over bytes that are none falls back as Open does.
        QVERIFY(drag({QUrl::fromLocalFile(game.inFolder("text.jpg"))}));
        QVERIFY(game.state.defaultPictureShown);
    }

    void firstPuzzleComesFromTheProgramFolder()
    {
        GameFixture game({"picture.jpg"});
        QCOMPARE(game.state.folder, QDir(game.folder.path()).path() + "/");
        QCOMPARE(game.state.picturePath, game.inFolder("picture.jpg"));
        QVERIFY(!game.state.defaultPictureShown);
        QCOMPARE(game.frame->picture().width(), 48);
        QCOMPARE(game.state.tileWidth * game.state.dimension, game.state.boardWidth);
    }

    void builtInPictureWhenNothingUsable_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("empty folder") << QStringList();
        QTest::newRow("broken picture") << QStringList{"text.jpg"};
        QTest::newRow("broken archive entry") << QStringList{"bad-crc.zip"};
        QTest::newRow("archive of no pictures") << QStringList{"jpeg-only.zip"};
    }

    void builtInPictureWhenNothingUsable()
    {
        QFETCH(QStringList, files);
        GameFixture game(files);
        QVERIFY(game.state.defaultPictureShown);
        QCOMPARE(game.frame->picture().width(), 350);
        QCOMPARE(game.frame->boardView()->size(), QSize(348, 348));
        game.frame->execute(CommandId::New);
        QVERIFY(game.state.defaultPictureShown);
    }

    void newAlternatesBetweenTwoPictures()
    {
        GameFixture game({"picture.jpg", "picture.bmp"});
        QString previous = game.state.picturePath;
        for (int i = 0; i < 6; ++i) {
            game.frame->execute(CommandId::New);
            QVERIFY(game.state.picturePath != previous);
            previous = game.state.picturePath;
        }
    }

    void puzzleSizeKeepsThePicture()
    {
        GameFixture game({"three.zip"});
        const int zipIndex = game.state.zipIndex;
        const qint64 pixels = game.frame->picture().pixels().cacheKey();
        QCOMPARE(game.state.zipCount, 3);
        game.frame->execute(CommandId::Size7);
        QCOMPARE(game.frame->picture().pixels().cacheKey(), pixels); // nothing decoded again
        QCOMPARE(game.state.dimension, 7);
        QCOMPARE(game.state.zipIndex, zipIndex);
        QCOMPARE(game.state.picturePath, game.inFolder("three.zip"));
        QCOMPARE(game.state.boardWidth % 7, 0);
        QCOMPARE(game.state.boardHeight % 7, 0);
        QCOMPARE(game.frame->boardView()->size(),
                 QSize(game.state.boardWidth, game.state.boardHeight));
        QVERIFY(game.checked(CommandId::Size7));
        QVERIFY(!game.checked(CommandId::Size4));
    }

    void fromThisZipWithOnePicture()
    {
        GameFixture game({"mixed.zip"});
        QCOMPARE(game.state.zipCount, 1);
        const Board before = game.state.board;
        MessageBoxAnswerer answerer;
        game.frame->execute(CommandId::NewFromZip);
        QCOMPARE(answerer.texts, QStringList{"There is only 1 picture in this zip file!"});
        QVERIFY(game.state.board == before);
    }

    void fromThisZipTakesAnotherPicture()
    {
        GameFixture game({"three.zip"});
        for (int i = 0; i < 5; ++i) {
            const int previous = game.state.zipIndex;
            game.frame->execute(CommandId::NewFromZip);
            QVERIFY(game.state.zipIndex != previous);
            QVERIFY(game.state.zipIndex >= 1 && game.state.zipIndex <= 3);
            QVERIFY(!game.state.defaultPictureShown);
        }
    }

    void displayCommandsAndTheirTicks()
    {
        GameFixture game({"picture.jpg"});
        game.frame->execute(CommandId::Grid);
        QCOMPARE(game.state.grid, 0);
        QVERIFY(!game.checked(CommandId::Grid));
        game.frame->action(CommandId::Grid)->trigger();
        QCOMPARE(game.state.grid, 1);
        QVERIFY(game.checked(CommandId::Grid));
        game.frame->execute(CommandId::GridRed);
        QCOMPARE(game.state.gridColour, 2);
        QVERIFY(game.checked(CommandId::GridRed) && !game.checked(CommandId::GridBlack));
        game.frame->execute(CommandId::SelectionBlack);
        QCOMPARE(game.state.selColour, 0);
        QVERIFY(game.checked(CommandId::SelectionBlack) &&
                !game.checked(CommandId::SelectionYellow));
        game.frame->execute(CommandId::Sound);
        QCOMPARE(game.state.sound, 0);
        QVERIFY(!game.checked(CommandId::Sound));
    }

    void modeAndJumbleStartAFreshGame()
    {
        GameFixture game({"picture.jpg"});
        game.state.moves = 12;
        game.clock.now += 40;
        game.frame->execute(CommandId::Slider);
        QCOMPARE(game.state.puzzleMode, 1);
        QVERIFY(game.checked(CommandId::Slider) && !game.checked(CommandId::TileSwap));
        QCOMPARE(game.state.moves, 0);
        QCOMPARE(game.state.startTime, game.clock.now);
        QVERIFY(game.state.board.hasHole());
        game.state.moves = 3;
        game.frame->execute(CommandId::Jumble);
        QCOMPARE(game.state.moves, 0);
    }

    void solveForMePutsEveryTileHome()
    {
        GameFixture game({"picture.jpg"});
        game.frame->execute(CommandId::SolveForMe);
        QVERIFY(game.state.puzzleOver);
        QVERIFY(game.state.board.isSolved(PuzzleMode::TileSwap, game.state.dimension));
    }

    void oneSolutionWindowAtATime()
    {
        GameFixture game({"three.zip"});
        game.frame->execute(CommandId::ShowSolution);
        QPointer<SolutionDialog> first = game.frame->solutionWindow();
        QVERIFY(first);
        QVERIFY(game.state.modelessOpen);
        game.frame->execute(CommandId::ShowSolution);
        QCOMPARE(game.frame->solutionWindow(), first.data());
        first->close();
        QVERIFY(!game.state.modelessOpen);
        game.frame->execute(CommandId::ShowSolution);
        QVERIFY(game.frame->solutionWindow());
        game.frame->execute(CommandId::New); // a new picture closes it
        QVERIFY(!game.state.modelessOpen);
    }

    void toolbarCommandHidesAndShows()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const int height = game.frame->height();
        game.frame->execute(CommandId::Toolbar);
        QVERIFY(!game.state.toolbarVisible);
        QVERIFY(!game.checked(CommandId::Toolbar));
        QTRY_VERIFY(game.frame->height() < height);
        game.frame->execute(CommandId::Toolbar);
        QVERIFY(game.state.toolbarVisible);
        QTRY_COMPARE(game.frame->height(), height);
        QCOMPARE(game.frame->boardView()->size(),
                 QSize(game.state.boardWidth, game.state.boardHeight));
    }

    void qtsOwnToolbarMenuNeverHidesTheToolbar()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        for (QWidget* target : {static_cast<QWidget*>(game.toolbar()),
                                static_cast<QWidget*>(game.frame->menuBar())}) {
            const QPoint at(5, 5);
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
            QApplication::sendEvent(target, &click);
            QVERIFY2(QApplication::activePopupWidget() == nullptr, "a context menu opened");
        }
        QVERIFY(game.toolbar()->isVisible());
        QVERIFY(game.checked(CommandId::Toolbar));
    }

    void floatingToolbarStillCostsTheBoardItsBand()
    {
        GameFixture game({});
        QVERIFY(game.startOnFlatPicture(QSize(4000, 2000)));
        const QSize docked(game.state.boardWidth, game.state.boardHeight);
        game.state.toolbarDock = ToolbarDock::Floating;
        game.frame->execute(CommandId::Size4); // lays the board out again
        QCOMPARE(QSize(game.state.boardWidth, game.state.boardHeight), docked);
        game.frame->execute(CommandId::Toolbar); // hidden: the band is the board's again
        game.frame->execute(CommandId::Size4);
        QVERIFY(game.state.boardHeight > docked.height());
    }

    void windowInTheScreenMarginIsMovedBack()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const QRect work = game.frame->screen()->availableGeometry();
        const int maxWidth = work.width() - 50;
        const int maxHeight = work.height() - game.state.captionHeight - game.state.toolbarBand -
                              game.state.menuBarHeight - 50;
        const QSize size = game.frame->frameGeometry().size();
        // Its right edge in the 50-pixel strip beside the room: moved to x = 50.
        const QPoint right(work.x() + maxWidth - size.width() + 20, work.y() + 20);
        QVERIFY(right.x() + size.width() <= work.right());
        game.frame->move(right);
        game.frame->execute(CommandId::Size4);
        QCOMPARE(game.frame->frameGeometry().topLeft(), QPoint(work.x() + 50, work.y() + 20));
        // Its bottom edge below the room, still on the screen: moved to y = 5.
        const QPoint low(work.x() + 60, work.y() + maxHeight - size.height() + 20);
        QVERIFY(low.y() + size.height() <= work.bottom());
        game.frame->move(low);
        game.frame->execute(CommandId::Size4);
        QCOMPARE(game.frame->frameGeometry().topLeft(), QPoint(work.x() + 60, work.y() + 5));
    }

    void togglesTurnAnyStoredValueOff_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("once");
        QTest::newRow("on") << QByteArray("1") << 0;
        QTest::newRow("off") << QByteArray("0") << 1;
        QTest::newRow("two") << QByteArray("2") << 0;
        QTest::newRow("most negative") << QByteArray("-2147483648") << 0;
    }

    void togglesTurnAnyStoredValueOff()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, once);
        QTemporaryDir folder;
        const QString ini = folder.filePath(QStringLiteral("tilewright.ini"));
        QVERIFY(writeFile(ini, "[Settings]\nDimension=4\nGrid=" + stored + "\nSound=" + stored +
                                   "\nFolder=" + folder.path().toUtf8() + "\n"));
        GameFixture game({}, std::nullopt, ini);
        game.frame->execute(CommandId::Grid);
        game.frame->execute(CommandId::Sound);
        QCOMPARE(game.state.grid, once);
        QCOMPARE(game.state.sound, once);
        QCOMPARE(game.checked(CommandId::Grid), once != 0);
        game.frame->execute(CommandId::Grid);
        game.frame->execute(CommandId::Sound);
        QCOMPARE(game.state.grid, 1 - once);
        QCOMPARE(game.state.sound, 1 - once);
    }

    void openLoadsThePictureLastPreviewed()
    {
        GameFixture game({"picture.jpg"});
        QFile::copy(testData("three.zip"), game.inFolder("album.zip"));
        game.frame->execute(CommandId::ShowSolution);
        QVERIFY(whenModal<OpenPictureDialog>([&](OpenPictureDialog& dialog) {
            openFolderIn(dialog, game.folder.path());
            clickFileIn(dialog, game.inFolder("album.zip"));
            QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
            clickAcceptIn(dialog);
        }));
        game.frame->execute(CommandId::Open);
        QCOMPARE(game.state.picturePath, game.inFolder("album.zip"));
        QCOMPARE(game.state.zipIndex, 2);
        QCOMPARE(game.state.zipCount, 3);
        QCOMPARE(game.state.folder, QDir(game.folder.path()).absolutePath());
        QCOMPARE(game.frame->picture().width(), 40); // two.BMP
        QVERIFY(game.state.modelessOpen);            // the solution window stays open
        QVERIFY(game.toolbar()->newIsDropDown());
    }

    void openCancelledChangesNothing()
    {
        GameFixture game({"picture.jpg"});
        const QString before = game.state.picturePath;
        const Board board = game.state.board;
        QVERIFY(whenModal<OpenPictureDialog>([](OpenPictureDialog& dialog) { dialog.reject(); }));
        game.frame->execute(CommandId::Open);
        QCOMPARE(game.state.picturePath, before);
        QVERIFY(game.state.board == board);
    }

    void openAMissingFileShowsTheBuiltInPicture()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(whenModal<OpenPictureDialog>([&](OpenPictureDialog& dialog) {
            openFolderIn(dialog, game.folder.path());
            typeFileNameIn(dialog, QStringLiteral("not-there.jpg"));
            clickAcceptIn(dialog);
        }));
        game.frame->execute(CommandId::Open);
        QCOMPARE(game.state.picturePath, game.inFolder("not-there.jpg"));
        QVERIFY(game.state.defaultPictureShown);
    }

    void giftStartsOnItsPicture_data()
    {
        QTest::addColumn<char>("mode");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("puzzleMode");
        QTest::addColumn<bool>("builtIn");
        QTest::newRow("slider") << '\x01' << "picture.gif" << 1 << false;
        QTest::newRow("tile swap") << '\x00' << "picture.jpg" << 0 << false;
        QTest::newRow("unknown mode keeps the setting") << '\x07' << "picture.jpg" << 1 << false;
        QTest::newRow("no picture") << '\x01' << QString() << 1 << true;
        QTest::newRow("undecodable picture") << '\x00' << "text.jpg" << 0 << true;
    }

    void giftStartsOnItsPicture()
    {
        QFETCH(char, mode);
        QFETCH(QString, picture);
        QFETCH(int, puzzleMode);
        QFETCH(bool, builtIn);
        const QByteArray bytes = picture.isEmpty() ? QByteArray() : readFile(testData(picture));
        GameFixture game({"picture.bmp"}, QByteArray(1, mode) + bytes);
        QVERIFY(game.state.giftMode);
        QCOMPARE(game.state.defaultPictureShown, builtIn);
        if (mode == '\x07')
            QCOMPARE(game.state.puzzleMode, 0); // first run: the setting's default
        else
            QCOMPARE(game.state.puzzleMode, puzzleMode);
        QCOMPARE(game.frame->picture().saveEncoded().isEmpty(), false);
        if (!builtIn)
            QCOMPARE(game.frame->picture().saveEncoded(), bytes);
        // The picture is served from memory: no file of it exists anywhere.
        QCOMPARE(game.state.picturePath, GiftPictureName);
        QVERIFY(!QFile::exists(game.inFolder(GiftPictureName)));
        QVERIFY(!QFile::exists(GiftPictureName));
        QDirIterator temporary(QDir::tempPath(), {GiftPictureName}, QDir::Files,
                               QDirIterator::Subdirectories);
        QVERIFY(!temporary.hasNext());
        if (!builtIn) {
            // A new size and the solution window load it again from memory.
            game.frame->execute(CommandId::Size5);
            QCOMPARE(game.frame->picture().saveEncoded(), bytes);
            game.frame->execute(CommandId::ShowSolution);
            QVERIFY(game.frame->solutionWindow() != nullptr);
            QCOMPARE(game.frame->solutionWindow()->picture().saveEncoded(), bytes);
        }
    }

    void giftModeByteOverridesTheSettings()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("tilewright"));
        QVERIFY(writeFile(program, readFile(QCoreApplication::applicationFilePath()) + "\x07"));
        ProfileStore profile(folder.filePath(QStringLiteral("gift.ini")));
        profile.writeInt(QStringLiteral("Settings"), QStringLiteral("Dimension"), 5);
        profile.writeInt(QStringLiteral("Settings"), QStringLiteral("PuzzleMode"), 1);
        RandomEngine random(1);
        RecordingSoundPlayer sounds;
        FixedClock clock;
        RecordingShell shell;
        GameState state;
        MainFrame frame(state, {profile, random, sounds, clock, shell}, ProgramFile::at(program));
        QCOMPARE(state.puzzleMode, 1); // byte 7 keeps the stored mode
        QVERIFY(state.defaultPictureShown);
    }

    void makeGiftOnlyWithoutTheSolutionWindow()
    {
        const auto giftDialogs = [](const MainFrame& frame) {
            QList<GiftDialog*> found;
            for (QDialog* dialog : frame.findChildren<QDialog*>())
                if (auto* gift = dynamic_cast<GiftDialog*>(dialog); gift && gift->isVisible())
                    found << gift;
            return found;
        };
        GameFixture game({"picture.jpg"});
        game.frame->execute(CommandId::ShowSolution);
        game.frame->execute(CommandId::MakeGift);
        QVERIFY(giftDialogs(*game.frame).isEmpty());
        game.frame->solutionWindow()->close();
        game.frame->execute(CommandId::MakeGift);
        QCOMPARE(giftDialogs(*game.frame).size(), 1);
        QVERIFY(game.state.modelessOpen);
        QTRY_VERIFY(!game.frame->solutionWindow()); // the closed one is gone
        game.frame->execute(CommandId::ShowSolution);
        QVERIFY(!game.frame->solutionWindow());
        giftDialogs(*game.frame).first()->close();
        QVERIFY(!game.state.modelessOpen);
    }

    void helpOpensThePageBesideTheProgram()
    {
        GameFixture game({"picture.jpg"});
        game.frame->execute(CommandId::Help);
        QCOMPARE(game.shell.opened,
                 QStringList{QDir(game.folder.path()).filePath(QStringLiteral("Tilewright.html"))});
        game.shell.answer = Shell::FileNotFound; // a missing page changes nothing
        const Board board = game.state.board;
        game.frame->execute(CommandId::Help);
        QVERIFY(game.state.board == board);
        QString title;
        QVERIFY(whenModal<AboutDialog>([&](AboutDialog& about) {
            title = about.windowTitle();
            about.accept();
        }));
        game.frame->execute(CommandId::About);
        QCOMPARE(title, QStringLiteral("About Tilewright"));
    }

    void completingAPuzzleEntersTheScoreboard()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        game.frame->execute(CommandId::Size10);
        game.state.board.setSolved(PuzzleMode::TileSwap, 10);
        game.state.board.swap({0, 0}, {9, 9});
        game.clock.now += 42;
        QString shown;
        QVERIFY(whenModal<CongratulationsDialog>([&](CongratulationsDialog& dialog) {
            shown = dialog.timeLine()->text();
            dialog.nameEdit()->setText(QStringLiteral("Zoe"));
            dialog.accept();
        }));
        BoardView* board = game.frame->boardView();
        const auto centre = [&](int col, int row) {
            return QPoint(col * game.state.tileWidth + 2, row * game.state.tileHeight + 2);
        };
        QTest::mouseClick(board, Qt::LeftButton, {}, centre(0, 0));
        QTest::mouseClick(board, Qt::LeftButton, {}, centre(9, 9));
        QCOMPARE(shown, QStringLiteral("Time taken : 42 secs"));
        QVERIFY(game.state.puzzleOver);
        QCOMPARE(game.sounds.played.last(), Sound::Complete);
        ScoreTables tables;
        tables.load(game.profile);
        QCOMPARE(tables.table(0)[0], (ScoreEntry{"Zoe", 10, 1, 42}));
    }

    void settingsSavedOnCloseAndExit()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        game.frame->execute(CommandId::Size6);
        QVERIFY(game.frame->close());
        const QString ini = game.profile.fileName();
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("Settings/Dimension").toString(),
                 QStringLiteral("6"));
        game.frame->execute(CommandId::Size9);
        game.frame->execute(CommandId::Exit);
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("Settings/Dimension").toString(),
                 QStringLiteral("9"));
    }
};

TW_REGISTER_TEST(TestMainFrame)
#include "tst_mainframe.moc"
