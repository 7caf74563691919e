// Command line: the game's own options and argument, beside the options Qt takes itself.
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {
// Qt's standard options, of QGuiApplication, QApplication and the X11 platform.
constexpr const char* QtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                              "platformtheme", "plugin",
                                              "qmljsdebugger", "qwindowgeometry",
                                              "qwindowicon",   "qwindowtitle",
                                              "session",       "display",
                                              "geometry",      "name",
                                              "title",         "style",
                                              "stylesheet"};
constexpr const char* QtFlags[] = {"reverse", "widgetcount", "nograb",
                                   "dograb",  "sync",        "testability"};

void addHidden(QCommandLineParser& parser, const char* name, const QString& valueName)
{
    QCommandLineOption option(QString::fromLatin1(name));
    option.setValueName(valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}
} // namespace

void describeCommandLine(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "PuzzleApp", "A picture puzzle: put a jumbled picture back together by swapping or "
                     "sliding its tiles."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QCoreApplication::translate("PuzzleApp", "picture"),
        QCoreApplication::translate("PuzzleApp",
                                    "A picture file or a ZIP archive of pictures to start on."),
        QCoreApplication::translate("PuzzleApp", "[picture]"));
    for (const char* name : QtOptionsWithValue)
        addHidden(parser, name, QStringLiteral("value"));
    for (const char* name : QtFlags)
        addHidden(parser, name, QString());
}
