// Tests of the main window: start-up, the commands of the menus and the window's size.
#include "about/aboutdialog.h"
#include "about/helpwindow.h"
#include "filedialogs.h"
#include "game/boardview.h"
#include "game/puzzleloader.h"
#include "game/solutiondialog.h"
#include "gamefixture.h"
#include "gift/giftdialog.h"
#include "messageboxes.h"
#include "modaldialogs.h"
#include "pictures/openpicturedialog.h"
#include "scores/congratulationsdialog.h"
#include "scores/scoretables.h"
#include "tempprofile.h"
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
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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
    }

    void largePictureFitsTheScreen()
    {
        GameFixture game({});
        QVERIFY(game.startOnFlatPicture(QSize(4000, 3000)));
        QVERIFY(game.show());
        const QRect work = game.frame->screen()->availableGeometry();
        QVERIFY2(work.contains(game.frame->geometry()), "the window runs off the screen");
        const int board = game.frame->boardView()->width();
        QVERIFY(board < 4000 && board >= 350);
    }

    void largePictureIsDecodedAtBoardSize()
    {
        GameFixture game({});
        QVERIFY(game.startOnFlatPicture(QSize(6000, 4000)));
        QCOMPARE(game.frame->picture().size(), QSize(6000, 4000));
        const QSize pixels = game.frame->picture().pixels().size();
        const qreal ratio = game.frame->devicePixelRatioF();
        QVERIFY(pixels.width() >= game.frame->boardView()->width() * ratio);
        QVERIFY(pixels.height() >= game.frame->boardView()->height() * ratio);
        QVERIFY(pixels.width() < 2 * game.frame->boardView()->width() * ratio);
    }

    void startPictureOpensAsOpenDoes()
    {
        {
            GameFixture game({"picture.png", "picture.jpg"}, std::nullopt, {}, "picture.png");
            QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("picture.png"));
            QCOMPARE(game.frame->settings().folder, QDir(game.folder.path()).absolutePath());
            QCOMPARE(game.frame->picture().size(), QSize(40, 30));
        }
        {
            GameFixture game({"three.zip"}, std::nullopt, {}, "three.zip");
            QCOMPARE(game.frame->pictureSource().zipIndex, 1);
            QCOMPARE(game.frame->pictureSource().zipCount, 3);
            QCOMPARE(game.frame->picture().width(), 48); // one.jpg
            QVERIFY(game.toolbar()->newIsDropDown());
        }
        {
            GameFixture game({"picture.jpg"}, std::nullopt, {}, "missing.webp");
            QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("missing.webp"));
            QVERIFY(game.frame->pictureSource().defaultPictureShown);
        }
    }

    void giftWinsOverAStartPicture()
    {
        const QByteArray gif = readFile(testData("picture.gif"));
        GameFixture game({"picture.png"}, QByteArray(1, '\1') + gif, {}, "picture.png");
        QVERIFY(game.frame->pictureSource().giftMode);
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
        QVERIFY(game.pictureLoaded());
        QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("picture.webp"));
        QCOMPARE(game.frame->picture().size(), QSize(40, 30));
        QCOMPARE(game.frame->flow().round().moves, 0);
        // Anything else is refused, and the board stays.
        const Board board = game.frame->flow().round().board;
        QVERIFY(!drag({QUrl::fromLocalFile(game.inFolder("notes.txt"))}));
        QVERIFY(!drag({webp, QUrl::fromLocalFile(game.inFolder("picture.jpg"))}));
        QVERIFY(!drag({QUrl(QStringLiteral("https://example.org/photo.jpg"))}));
        QVERIFY(!drag({}));
        QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("picture.webp"));
        QVERIFY(game.frame->flow().round().board == board);
        // A picture name over bytes that are none falls back as Open does, and says so.
        MessageBoxAnswerer answerer;
        QVERIFY(drag({QUrl::fromLocalFile(game.inFolder("text.jpg"))}));
        QVERIFY(game.pictureLoaded());
        QVERIFY(game.frame->pictureSource().defaultPictureShown);
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY(answerer.texts.first().contains("Its format is not one the game reads."));
    }

    void firstPuzzleComesFromTheProgramFolder()
    {
        GameFixture game({"picture.jpg"});
        QCOMPARE(game.frame->settings().folder, QDir(game.folder.path()).path() + "/");
        QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("picture.jpg"));
        QVERIFY(!game.frame->pictureSource().defaultPictureShown);
        QCOMPARE(game.frame->picture().width(), 48);
        QCOMPARE(game.frame->boardView()->tileSize().width() * game.frame->settings().dimension,
                 game.frame->boardView()->width());
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
        QVERIFY(game.frame->pictureSource().defaultPictureShown);
        QCOMPARE(game.frame->picture().width(), 350);
        QCOMPARE(game.frame->boardView()->size(), QSize(348, 348));
        QVERIFY(game.run(CommandId::New));
        QVERIFY(game.frame->pictureSource().defaultPictureShown);
    }

    void newAlternatesBetweenTwoPictures()
    {
        GameFixture game({"picture.jpg", "picture.bmp"});
        QString previous = game.frame->pictureSource().picturePath;
        for (int i = 0; i < 6; ++i) {
            QVERIFY(game.run(CommandId::New));
            QVERIFY(game.frame->pictureSource().picturePath != previous);
            previous = game.frame->pictureSource().picturePath;
        }
    }

    void puzzleSizeKeepsThePicture()
    {
        GameFixture game({"three.zip"});
        const int zipIndex = game.frame->pictureSource().zipIndex;
        const qint64 pixels = game.frame->picture().pixels().cacheKey();
        const QSize board = game.frame->boardView()->size();
        QCOMPARE(game.frame->pictureSource().zipCount, 3);
        game.frame->execute(CommandId::Size7);
        QCOMPARE(game.frame->picture().pixels().cacheKey(), pixels); // nothing decoded again
        QCOMPARE(game.frame->settings().dimension, 7);
        QCOMPARE(game.frame->pictureSource().zipIndex, zipIndex);
        QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("three.zip"));
        QCOMPARE(game.frame->boardView()->width() % 7, 0);
        QCOMPARE(game.frame->boardView()->height() % 7, 0);
        // The same board, cut to whole tiles of the new size.
        QVERIFY(std::abs(game.frame->boardView()->width() - board.width()) < 7);
        QVERIFY(std::abs(game.frame->boardView()->height() - board.height()) < 7);
        QVERIFY(game.checked(CommandId::Size7));
        QVERIFY(!game.checked(CommandId::Size4));
    }

    void fromThisZipWithOnePicture()
    {
        GameFixture game({"mixed.zip"});
        QCOMPARE(game.frame->pictureSource().zipCount, 1);
        const Board before = game.frame->flow().round().board;
        MessageBoxAnswerer answerer;
        game.frame->execute(CommandId::NewFromZip);
        QCOMPARE(answerer.texts, QStringList{"There is only 1 picture in this zip file!"});
        QVERIFY(game.frame->flow().round().board == before);
    }

    void displayCommandsAndTheirTicks()
    {
        GameFixture game({"picture.jpg"});
        game.frame->execute(CommandId::Grid);
        QVERIFY(!game.frame->settings().grid);
        QVERIFY(!game.checked(CommandId::Grid));
        game.frame->action(CommandId::Grid)->trigger();
        QVERIFY(game.frame->settings().grid);
        QVERIFY(game.checked(CommandId::Grid));
        game.frame->execute(CommandId::GridRed);
        QCOMPARE(game.frame->settings().gridColour, GridColour::Red);
        QVERIFY(game.checked(CommandId::GridRed) && !game.checked(CommandId::GridBlack));
        game.frame->execute(CommandId::SelectionBlack);
        QCOMPARE(game.frame->settings().selColour, SelectionColour::Black);
        QVERIFY(game.checked(CommandId::SelectionBlack) &&
                !game.checked(CommandId::SelectionYellow));
        game.frame->execute(CommandId::Sound);
        QVERIFY(!game.frame->settings().sound);
        QVERIFY(!game.checked(CommandId::Sound));
    }

    void modeAndJumbleStartAFreshGame()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.resumeOn(game.round().board, 12));
        game.clock.now += 40;
        game.frame->execute(CommandId::Slider);
        QCOMPARE(game.frame->settings().puzzleMode, PuzzleMode::Slider);
        QVERIFY(game.checked(CommandId::Slider) && !game.checked(CommandId::TileSwap));
        QCOMPARE(game.frame->flow().round().moves, 0);
        QCOMPARE(game.frame->flow().round().startTime, game.clock.now);
        QVERIFY(game.frame->flow().round().board.hasHole());
        QVERIFY(game.resumeOn(game.round().board, 3));
        game.frame->execute(CommandId::Jumble);
        QCOMPARE(game.frame->flow().round().moves, 0);
    }

    void solveForMePutsEveryTileHome()
    {
        GameFixture game({"picture.jpg"});
        game.frame->execute(CommandId::SolveForMe);
        QVERIFY(game.frame->flow().round().puzzleOver);
        QVERIFY(game.frame->flow().round().board.isSolved());
    }

    void oneSolutionWindowAtATime()
    {
        GameFixture game({"three.zip"});
        game.frame->execute(CommandId::ShowSolution);
        QPointer<SolutionDialog> first = game.frame->solutionWindow();
        QVERIFY(first);
        QVERIFY((game.frame->modelessWindow() != nullptr));
        game.frame->execute(CommandId::ShowSolution);
        QCOMPARE(game.frame->solutionWindow(), first.data());
        first->close();
        QVERIFY(!(game.frame->modelessWindow() != nullptr));
        game.frame->execute(CommandId::ShowSolution);
        QVERIFY(game.frame->solutionWindow());
        game.frame->execute(CommandId::New); // a new picture closes it
        QVERIFY(!(game.frame->modelessWindow() != nullptr));
    }

    void toolbarCommandHidesAndShows()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const int height = game.frame->height();
        const QSize board = game.frame->boardView()->size();
        game.frame->execute(CommandId::Toolbar);
        QVERIFY(!game.frame->toolbarShown());
        QVERIFY(!game.checked(CommandId::Toolbar));
        QTRY_VERIFY(game.frame->height() < height);
        game.frame->execute(CommandId::Toolbar);
        QVERIFY(game.frame->toolbarShown());
        QTRY_COMPARE(game.frame->height(), height);
        QCOMPARE(game.frame->boardView()->size(), board);
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
        const QSize docked(game.frame->boardView()->width(), game.frame->boardView()->height());
        game.frame->execute(CommandId::Size4); // lays the board out again
        QCOMPARE(game.frame->boardView()->size(), docked);
        game.frame->execute(CommandId::Toolbar); // hidden: the band is the board's again
        game.frame->execute(CommandId::Size4);
        QVERIFY(game.frame->boardView()->height() > docked.height());
    }

    void windowInTheScreenMarginIsMovedBack()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const QRect work = game.frame->screen()->availableGeometry();
        const int maxWidth = work.width() - 50;
        const int maxHeight = work.height() -
                              game.frame->style()->pixelMetric(QStyle::PM_TitleBarHeight) -
                              game.toolbar()->height() - game.frame->menuBar()->height() - 50;
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

    void unknownStoredChoicesTickWhatTheyPlayAs()
    {
        const TempProfile profileFile;
        const QString& ini = profileFile.path;
        QVERIFY(writeFile(ini, "[Settings]\nDimension=4\nPuzzleMode=7\nGridColour=9\nSelColour=5\n"
                               "Folder=" +
                                   profileFile.folder.path().toUtf8() + "\n"));
        GameFixture game({}, std::nullopt, ini);
        QVERIFY(game.round().board.hasHole());
        QVERIFY(game.checked(CommandId::Slider) && !game.checked(CommandId::TileSwap));
        QVERIFY(game.checked(CommandId::GridBlack));
        QVERIFY(game.checked(CommandId::SelectionRed));
        QVERIFY(game.frame->close());
        const QSettings written(ini, QSettings::IniFormat);
        QCOMPARE(written.value("Settings/PuzzleMode").toString(), QStringLiteral("1"));
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
        const TempProfile profileFile;
        const QString& ini = profileFile.path;
        QVERIFY(writeFile(ini, "[Settings]\nDimension=4\nGrid=" + stored + "\nSound=" + stored +
                                   "\nFolder=" + profileFile.folder.path().toUtf8() + "\n"));
        GameFixture game({}, std::nullopt, ini);
        game.frame->execute(CommandId::Grid);
        game.frame->execute(CommandId::Sound);
        QCOMPARE(game.frame->settings().grid, once != 0);
        QCOMPARE(game.frame->settings().sound, once != 0);
        QCOMPARE(game.checked(CommandId::Grid), once != 0);
        game.frame->execute(CommandId::Grid);
        game.frame->execute(CommandId::Sound);
        QCOMPARE(game.frame->settings().grid, once == 0);
        QCOMPARE(game.frame->settings().sound, once == 0);
    }

    void openLoadsThePictureLastPreviewed()
    {
        GameFixture game({"picture.jpg"});
        QFile::copy(testData("three.zip"), game.inFolder("album.zip"));
        game.frame->execute(CommandId::ShowSolution);
        const ModalGuard<OpenPictureDialog> modal([&](OpenPictureDialog& dialog) {
            openFolderIn(dialog, game.folder.path());
            clickFileIn(dialog, game.inFolder("album.zip"));
            QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
            clickAcceptIn(dialog);
        });
        QVERIFY(game.run(CommandId::Open));
        QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("album.zip"));
        QCOMPARE(game.frame->pictureSource().zipIndex, 2);
        QCOMPARE(game.frame->pictureSource().zipCount, 3);
        QCOMPARE(game.frame->settings().folder, QDir(game.folder.path()).absolutePath());
        QCOMPARE(game.frame->picture().width(), 40);        // two.BMP
        QVERIFY((game.frame->modelessWindow() != nullptr)); // the solution window stays open
        QVERIFY(game.toolbar()->newIsDropDown());
    }

    void openCancelledChangesNothing()
    {
        GameFixture game({"picture.jpg"});
        const QString before = game.frame->pictureSource().picturePath;
        const Board board = game.frame->flow().round().board;
        const ModalGuard<OpenPictureDialog> modal(
            [](OpenPictureDialog& dialog) { dialog.reject(); });
        game.frame->execute(CommandId::Open);
        QCOMPARE(game.frame->pictureSource().picturePath, before);
        QVERIFY(game.frame->flow().round().board == board);
    }

    void openAMissingFileShowsTheBuiltInPictureAndSaysWhy()
    {
        GameFixture game({"picture.jpg"});
        const ModalGuard<OpenPictureDialog> modal([&](OpenPictureDialog& dialog) {
            openFolderIn(dialog, game.folder.path());
            typeFileNameIn(dialog, QStringLiteral("not-there.jpg"));
            clickAcceptIn(dialog);
        });
        MessageBoxAnswerer answerer;
        QVERIFY(game.run(CommandId::Open));
        QCOMPARE(game.frame->pictureSource().picturePath, game.inFolder("not-there.jpg"));
        QVERIFY(game.frame->pictureSource().defaultPictureShown);
        QCOMPARE(
            answerer.texts,
            QStringList(QStringLiteral("The picture cannot be shown:\n%1\n\nThe file cannot be "
                                       "read.\nThe built-in picture is shown instead.")
                            .arg(QDir::toNativeSeparators(game.inFolder("not-there.jpg")))));
    }

    void giftStartsOnItsPicture_data()
    {
        QTest::addColumn<char>("mode");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("builtIn");
        QTest::newRow("slider") << '\x01' << "picture.gif" << false;
        QTest::newRow("tile swap") << '\x00' << "picture.jpg" << false;
        QTest::newRow("no picture") << '\x01' << QString() << true;
        QTest::newRow("undecodable picture") << '\x00' << "text.jpg" << true;
    }

    void giftStartsOnItsPicture()
    {
        QFETCH(char, mode);
        QFETCH(QString, picture);
        QFETCH(bool, builtIn);
        const QByteArray bytes = picture.isEmpty() ? QByteArray() : readFile(testData(picture));
        // A temporary folder of the test's own, so that what the game leaves there shows.
        const QTemporaryDir scratch;
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", scratch.path().toLocal8Bit());
        GameFixture game({"picture.bmp"}, QByteArray(1, mode) + bytes);
        QVERIFY(game.frame->pictureSource().giftMode);
        QCOMPARE(game.frame->pictureSource().defaultPictureShown, builtIn);
        QCOMPARE(game.frame->picture().saveEncoded().isEmpty(), false);
        if (!builtIn)
            QCOMPARE(game.frame->picture().saveEncoded(), bytes);
        // The picture is served from memory: no file of it exists anywhere.
        QCOMPARE(game.frame->pictureSource().picturePath, GiftPictureName);
        QVERIFY(!QFile::exists(game.inFolder(GiftPictureName)));
        QVERIFY(!QFile::exists(GiftPictureName));
        // Beside the fixture's own folder, which lies there too.
        QStringList left;
        QDirIterator temporary(scratch.path(), QDir::Files, QDirIterator::Subdirectories);
        while (temporary.hasNext())
            if (const QString file = temporary.next(); !file.startsWith(game.folder.path()))
                left << file;
        qputenv("TMPDIR", tmpdir);
        QCOMPARE(left, QStringList());
        if (!builtIn) {
            // A new size and the solution window load it again from memory.
            game.frame->execute(CommandId::Size5);
            QCOMPARE(game.frame->picture().saveEncoded(), bytes);
            game.frame->execute(CommandId::ShowSolution);
            QVERIFY(game.frame->solutionWindow() != nullptr);
            QCOMPARE(game.frame->solutionWindow()->picture().saveEncoded(), bytes);
        }
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
        QVERIFY((game.frame->modelessWindow() != nullptr));
        QTRY_VERIFY(!game.frame->solutionWindow()); // the closed one is gone
        game.frame->execute(CommandId::ShowSolution);
        QVERIFY(!game.frame->solutionWindow());
        giftDialogs(*game.frame).first()->close();
        QVERIFY(!(game.frame->modelessWindow() != nullptr));
    }

    // F1 opens the page beside the program; when the desktop cannot, at once or later, the
    // game shows the page itself, following its links; only a missing page gives a message.
    void helpOpensThePageBesideTheProgram()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        const QString page = QDir(game.folder.path()).filePath(QStringLiteral("Tilewright.html"));
        QVERIFY(writeFile(page, "<html><head><title>Help</title></head><body><a "
                                "href=\"more.html\">More</a></body></html>"));
        QVERIFY(writeFile(QDir(game.folder.path()).filePath(QStringLiteral("more.html")),
                          "<html><body>Scores</body></html>"));
        QTest::keyClick(game.frame.get(), Qt::Key_F1);
        QCOMPARE(game.shell.opened, QStringList{page});
        const Board board = game.frame->flow().round().board;
        QVERIFY(game.frame->findChild<HelpWindow*>() == nullptr);
        const MessageBoxAnswerer answerer;
        game.shell.lateFailure(Shell::NoAssociation); // the opener found no browser
        auto* help = game.frame->findChild<HelpWindow*>();
        QVERIFY(help != nullptr && help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QTextBrowser* browser = help->browser();
        QTextCursor inLink = browser->document()->find(QStringLiteral("More"));
        inLink.setPosition(inLink.selectionStart() + 1);
        const QPoint link = browser->cursorRect(inLink).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
        QTRY_COMPARE(browser->toPlainText(), QStringLiteral("Scores"));
        game.shell.answer = Shell::NoAssociation; // at once, this time: the same window
        game.frame->execute(CommandId::Help);
        QCOMPARE(game.frame->findChildren<HelpWindow*>().size(), 1);
        help->close();
        QFile::remove(page);
        game.frame->execute(CommandId::Help);
        QCOMPARE(answerer.texts,
                 QStringList{QStringLiteral("The help page is missing:\n%1\n\nIt was not "
                                            "installed with the game.")
                                 .arg(QDir::toNativeSeparators(page))});
        QVERIFY(game.frame->flow().round().board == board);
        QString title;
        const ModalGuard<AboutDialog> modal([&](AboutDialog& about) {
            title = about.windowTitle();
            about.accept();
        });
        game.frame->execute(CommandId::About);
        QCOMPARE(title, QStringLiteral("About Tilewright"));
    }

    void completingAPuzzleEntersTheScoreboard()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        Board nearlySolved(PuzzleMode::TileSwap, 10);
        nearlySolved.swap({0, 0}, {9, 9});
        QVERIFY(game.resumeOn(nearlySolved));
        game.clock.now += 42;
        QString shown;
        const ModalGuard<CongratulationsDialog> modal([&](CongratulationsDialog& dialog) {
            shown = dialog.timeLine()->text();
            dialog.nameEdit()->setText(QStringLiteral("Zoe"));
            dialog.accept();
        });
        BoardView* board = game.frame->boardView();
        const auto centre = [&](int col, int row) {
            return QPoint(col * game.frame->boardView()->tileSize().width() + 2,
                          row * game.frame->boardView()->tileSize().height() + 2);
        };
        QTest::mouseClick(board, Qt::LeftButton, {}, centre(0, 0));
        QTest::mouseClick(board, Qt::LeftButton, {}, centre(9, 9));
        // The winning swap glides home first.
        QTRY_COMPARE(shown, QStringLiteral("Time taken : 42 secs"));
        QVERIFY(game.frame->flow().round().puzzleOver);
        QCOMPARE(game.sounds.played.last(), Sound::Complete);
        ScoreTables tables;
        tables.load(game.profile);
        QCOMPARE(tables.table(0)[0], (ScoreEntry{"Zoe", 10, 1, 42}));
    }

    // An ending signal while the winning move still glides: the game ends as won, with no
    // dialog, its result entered under the name the dialog would show, and nothing kept.
    void endingAsTheWinGlidesKeepsTheResultNotTheGame()
    {
        GameFixture game({"picture.jpg"});
        QVERIFY(game.show());
        Board nearlySolved(PuzzleMode::TileSwap, 10);
        nearlySolved.swap({0, 0}, {9, 9});
        QVERIFY(game.resumeOn(nearlySolved));
        BoardView* board = game.frame->boardView();
        for (const QPoint cell : {QPoint(0, 0), QPoint(9, 9)})
            QTest::mouseClick(board, Qt::LeftButton, {},
                              QPoint(cell.x() * board->tileSize().width() + 2,
                                     cell.y() * board->tileSize().height() + 2));
        const MessageBoxAnswerer answerer;
        game.frame->closeQuietly();
        QCOMPARE(answerer.texts, QStringList());
        QVERIFY(readKeptGames(game.profile).empty());
        ScoreTables tables;
        tables.load(game.profile);
        QCOMPARE(tables.table(0)[0],
                 (ScoreEntry{CongratulationsDialog::defaultPlayerName(), 10, 1, 0}));
    }

    void leavingWhatCannotBeSavedSaysWhy()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        QVERIFY(writeFile(blocker, "x"));
        const QString ini = blocker + QStringLiteral("/Tilewright/tilewright.ini");
        const QString why = QString::fromLocal8Bit(std::strerror(ENOTDIR));
        {
            GameFixture game({"picture.jpg"}, std::nullopt, ini);
            QVERIFY(game.resumeOn(game.round().board, 3));
            const MessageBoxAnswerer answerer;
            QVERIFY(game.frame->close());
            QCOMPARE(answerer.texts.size(), 1);
            QVERIFY2(answerer.texts[0].startsWith(
                         "Your settings and the unfinished puzzle cannot be saved:\n") &&
                         answerer.texts[0].contains(why),
                     qPrintable(answerer.texts[0]));
        }
        {
            // Exit leaves as the close box does: the window closed, one save, one message.
            GameFixture game({"picture.jpg"}, std::nullopt, ini);
            QVERIFY(game.show());
            QVERIFY(game.resumeOn(game.round().board, 3));
            const MessageBoxAnswerer answerer;
            game.frame->execute(CommandId::Exit);
            QVERIFY(!game.frame->isVisible());
            QCOMPARE(answerer.texts.size(), 1);
        }
        {
            // After a signal there is nobody to tell.
            GameFixture game({"picture.jpg"}, std::nullopt, ini);
            const MessageBoxAnswerer answerer;
            game.frame->closeQuietly();
            QCOMPARE(answerer.texts, QStringList());
        }
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
        QVERIFY(game.show());
        game.frame->execute(CommandId::Size9);
        game.frame->execute(CommandId::Exit);
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("Settings/Dimension").toString(),
                 QStringLiteral("9"));
        QVERIFY(game.show());
        game.frame->execute(CommandId::Size4);
        QTest::keyClick(game.frame.get(), Qt::Key_Q, Qt::ControlModifier); // Exit too
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("Settings/Dimension").toString(),
                 QStringLiteral("4"));
    }
};

TW_REGISTER_TEST(TestMainFrame)
#include "tst_mainframe.moc"
