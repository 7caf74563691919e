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
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The program folder, and so the first picture folder, holds the given corpus files.
struct GameFixture {
    QTemporaryDir folder;
    ProfileStore profile{folder.filePath(QStringLiteral("tilewright.ini"))};
    RandomEngine random{21};
    RecordingSoundPlayer sounds;
    FixedClock clock;
    GameState state;
    std::unique_ptr<MainFrame> frame;

    explicit GameFixture(const QStringList& pictures)
    {
        for (const QString& name : pictures)
            QFile::copy(testData(name), folder.filePath(name));
        frame = std::make_unique<MainFrame>(
            state, FrameServices{profile, random, sounds, clock},
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
