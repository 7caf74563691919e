// PuzzleApp: the application object that owns the run's state and its main window.
#pragma once

#include "platform/backgroundsounds.h"
#include "platform/clock.h"
#include "platform/profilestore.h"
#include "platform/programfile.h"
#include "platform/randomengine.h"
#include "platform/shell.h"
#include "platform/terminationsignals.h"
#include "translations.h"

#include <QApplication>
#include <QThreadPool>
#include <memory>

class MainFrame;

class PuzzleApp : public QApplication {
public:
    // Prints the help or the version and ends the program; returns when the game is to
    // start. Runs before the application object, so neither needs a display.
    static void answerWithoutWindows(int argc, char** argv);

    PuzzleApp(int& argc, char** argv);
    ~PuzzleApp() override;

    // Shows the main window and runs the event loop; returns the exit code.
    int run();
    // Whether the sound system has let go once the window is closed: when not, the process
    // is to end without exit handlers, which would wait for it.
    bool soundsFinished() { return sounds_.finish(); }
    // Whether no picture is being decoded: when one is, the process is to end without waiting
    // for it.
    bool picturesFinished() { return pictureThreads_.waitForDone(0); }

private:
    // First, so that no file-size signal raised while the sound and window systems start can
    // kill the game; the ending signals close the window as the player would.
    TerminationSignals endingSignals_;
    // Before any text is made, the command line's help among them.
    Translations translations_;
    // The picture named on the command line.
    QString startPicture_;
    ProgramFile program_;
    ProfileStore profile_;
    RandomEngine random_;
    BackgroundSoundPlayer sounds_;
    SystemClock clock_;
    DesktopShell shell_;
    QThreadPool pictureThreads_;
    std::unique_ptr<MainFrame> frame_;
};
