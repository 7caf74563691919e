// Game fixture: a main window over a private folder of corpus pictures, with fakes.
#pragma once

#include "app/keptgame.h"
#include "app/mainframe.h"
#include "app/maintoolbar.h"
#include "fakes.h"
#include "game/boardview.h"
#include "platform/profilestore.h"
#include "platform/programfile.h"
#include "platform/randomengine.h"
#include "testfiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <memory>
#include <optional>

// The program folder, and so the first picture folder, holds the given corpus files.
struct GameFixture {
    QTemporaryDir folder;
    ProfileStore profile;
    RandomEngine random{21};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    RecordingShell shell;
    QThreadPool pictureThreads;
    std::unique_ptr<MainFrame> frame;

    // With a gift, the program file is a copy of the running test program (a real
    // executable) followed by the gift's payload: the mode byte and the picture. The
    // profile is a fresh one in the folder unless an INI file is given. A start picture is
    // named as on the command line, relative to the folder.
    explicit GameFixture(const QStringList& pictures,
                         const std::optional<QByteArray>& gift = std::nullopt,
                         const QString& ini = QString(), const QString& startPicture = QString())
        : profile(ini.isEmpty() ? folder.filePath(QStringLiteral("tilewright.ini")) : ini)
    {
        for (const QString& name : pictures)
            QFile::copy(testData(name), folder.filePath(name));
        if (gift)
            writeFile(folder.filePath(QStringLiteral("tilewright")),
                      readFile(QCoreApplication::applicationFilePath()) + *gift);
        frame = std::make_unique<MainFrame>(
            FrameServices{profile, random, sounds, clock, shell, pictureThreads},
            ProgramFile::at(folder.filePath(QStringLiteral("tilewright"))),
            startPicture.isEmpty() ? QString() : folder.filePath(startPicture));
    }

    QString inFolder(const QString& name) const { return QDir(folder.path()).filePath(name); }
    // Waits for the picture a command is loading; false when it never came.
    bool pictureLoaded() const
    {
        return QTest::qWaitFor([this] { return !frame->loadingPicture(); }, 20000);
    }
    // Runs a command, and waits for the picture it loads.
    bool run(CommandId id) const
    {
        frame->execute(id);
        return pictureLoaded();
    }
    bool checked(CommandId id) const { return frame->action(id)->isChecked(); }
    MainToolBar* toolbar() const { return frame->toolbar(); }

    // Puts a picture of one colour in the folder and opens it.
    bool startOnFlatPicture(QSize size)
    {
        QImage flat(size, QImage::Format_RGB32);
        flat.fill(Qt::darkCyan);
        if (!flat.save(inFolder(QStringLiteral("flat.bmp"))))
            return false;
        frame->openPath(inFolder(QStringLiteral("flat.bmp")));
        return pictureLoaded() &&
               frame->pictureSource().picturePath == inFolder(QStringLiteral("flat.bmp"));
    }

    const Round& round() const { return frame->flow().round(); }

    // Goes on with a game of this board on the current picture, as Resume would; true when
    // the board is the one the game now plays.
    bool resumeOn(const Board& board, int moves = 0)
    {
        const PictureSource& source = frame->pictureSource();
        keepGames(profile, {{source.picturePath, source.zipIndex, source.defaultPictureShown,
                             UnfinishedGame{board, board, moves, 0}}});
        return run(CommandId::ResumeLast) && round().board == board && round().moves == moves;
    }

    // Shows the window and waits until it is on the screen.
    bool show()
    {
        frame->show();
        return QTest::qWaitForWindowExposed(frame.get());
    }
};

// A real click in the middle of the board's cell.
inline void clickCell(GameFixture& game, Cell cell)
{
    const QSize tile = game.frame->boardView()->tileSize();
    QTest::mouseClick(game.frame->boardView(), Qt::LeftButton, {},
                      QPoint(cell.col * tile.width() + tile.width() / 2,
                             cell.row * tile.height() + tile.height() / 2));
}
