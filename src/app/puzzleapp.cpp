// PuzzleApp: the application object that owns the run's state and its main window.
#include "puzzleapp.h"

#include "mainframe.h"
#include "platform/product.h"

#include <QIcon>

PuzzleApp::PuzzleApp(int& argc, char** argv)
    : QApplication(argc, argv)
    , endingSignals_([this] {
        frame_->close(); // saves the settings
        quit();          // also ends a modal dialog's loop
    })
    , program_(ProgramFile::current())
    , profile_(ProfileStore::userIniPath(program_.baseName))
    , random_(RandomEngine::startupSeed())
{
    setOrganizationName(ProductName);
    setApplicationName(program_.baseName);
    setWindowIcon(QIcon(QStringLiteral(":/ICON/160")));
    frame_ = std::make_unique<MainFrame>(
        state_, FrameServices{profile_, random_, sounds_, clock_, shell_}, program_);
}

PuzzleApp::~PuzzleApp() = default;

int PuzzleApp::run()
{
    frame_->show();
    return exec();
}
