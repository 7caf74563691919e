// Bench application: the Qt application the picture benchmarks need (image plugins are found
// through it, and windows need one), made before the benchmark library's main runs them.
#include <QApplication>

namespace {
QApplication& application()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

const QApplication& made = application();
} // namespace
