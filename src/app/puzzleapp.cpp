// PuzzleApp: the application object that owns the run's state and its main window.
#include "puzzleapp.h"

#include "commandline.h"
#include "crispstyle.h"
#include "mainframe.h"
#include "platform/product.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <vector>

namespace {
// The picture to open, once the application object has taken Qt's own options (-style,
// -platform); anything else unknown ends the program.
QString startPicture(QApplication& app)
{
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    const QStringList pictures = parser.positionalArguments();
    return pictures.isEmpty() ? QString() : pictures.first();
}
} // namespace

void PuzzleApp::answerWithoutWindows(int argc, char** argv)
{
    // A console without a display has no window system to start: the answers that need none
    // come first, from a core application. Qt's own options are left for the application
    // object, which takes them; the game then refuses what is left unknown.
    // The usage line names the program by its file name, not the path it was started by.
    std::vector<char*> named(argv, argv + argc);
    QByteArray name;
    if (argc > 0 && argv[0] != nullptr) {
        name = QFile::encodeName(QFileInfo(QFile::decodeName(argv[0])).fileName());
        named[0] = name.data();
    }
    int count = argc;
    QCoreApplication core(count, named.data());
    core.setApplicationVersion(ProductVersion); // what --version prints after the name
    const Translations translations(QLocale().uiLanguages());
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.parse(core.arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(); // ends the program
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion(); // ends the program
}

PuzzleApp::PuzzleApp(int& argc, char** argv)
    : QApplication(argc, argv)
    , endingSignals_([this] {
        frame_->closeQuietly(); // saves what can be saved
        quit();                 // also ends a modal dialog's loop
    })
    , translations_(QLocale().uiLanguages())
    , startPicture_(startPicture(*this))
    , program_(ProgramFile::current().inLanguage(translations_.language()))
    , profile_(ProfileStore::userIniPath(program_.baseName))
    , random_(RandomEngine::startupSeed())
{
    setOrganizationName(ProductName);
    setApplicationName(program_.baseName);
    // The Wayland app id, so the desktop matches the window to its entry; on X11 the entry's
    // StartupWMClass names the window class Qt gives it, the program's name.
    setDesktopFileName(DesktopFileName);
    setWindowIcon(QIcon(QStringLiteral(":/ICON/160")));
    setStyle(new CrispStyle); // the desktop's style, sharp message icons
    frame_ = std::make_unique<MainFrame>(
        FrameServices{profile_, random_, sounds_, clock_, shell_, pictureThreads_}, program_,
        startPicture_);
}

PuzzleApp::~PuzzleApp() = default;

int PuzzleApp::run()
{
    frame_->show();
    return exec();
}
