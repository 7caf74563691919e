// Game fixture: a main window over a private folder of corpus pictures, with fakes.
#pragma once

#include "app/mainframe.h"
#include "app/maintoolbar.h"
#include "fakes.h"
#include "game/gamestate.h"
#include "platform/profilestore.h"
#include "platform/programfile.h"
#include "platform/randomengine.h"
#include "testfiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

// The program folder, and so the first picture folder, holds the given corpus files.
struct GameFixture {
    QTemporaryDir folder;
    ProfileStore profile{folder.filePath(QStringLiteral("tilewright.ini"))};
    RandomEngine random{21};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    RecordingShell shell;
    GameState state;
    std::unique_ptr<MainFrame> frame;

    // With a gift, the program file is a copy of the running test program (a real
    // executable) followed by the gift's payload: the mode byte and the picture.
    explicit GameFixture(const QStringList& pictures,
                         const std::optional<QByteArray>& gift = std::nullopt)
    {
        for (const QString& name : pictures)
            QFile::copy(testData(name), folder.filePath(name));
        if (gift)
            writeFile(folder.filePath(QStringLiteral("tilewright")),
                      readFile(QCoreApplication::applicationFilePath()) + *gift);
        frame = std::make_unique<MainFrame>(
            state, FrameServices{profile, random, sounds, clock, shell},
            ProgramFile::at(folder.filePath(QStringLiteral("tilewright"))));
    }

    QString inFolder(const QString& name) const { return QDir(folder.path()).filePath(name); }
    bool checked(CommandId id) const { return frame->action(id)->isChecked(); }
    MainToolBar* toolbar() const { return frame->toolbar(); }

    // Shows the window and waits until it is on the screen.
    bool show()
    {
        frame->show();
        return QTest::qWaitForWindowExposed(frame.get());
    }
};
