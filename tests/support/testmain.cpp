// Test main: runs the registered test classes of one executable: all of them, or the one
// named first on the command line, with Qt Test's own arguments after it (test functions
// among them).
#include "testregistry.h"

#if defined(TW_TEST_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(TW_TEST_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cstring>

std::vector<TestFactory>& registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

int main(int argc, char** argv)
{
    TestApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const std::vector<TestFactory>& tests = registeredTests();
    const auto named = std::find_if(tests.begin(), tests.end(), [&](const TestFactory& test) {
        return argc > 1 && std::strcmp(argv[1], test.name) == 0;
    });
    if (named != tests.end()) {
        // The class's name stands where Qt Test expects the program's.
        const std::unique_ptr<QObject> test = named->make();
        return QTest::qExec(test.get(), argc - 1, argv + 1) == 0 ? 0 : 1;
    }
    int failures = 0;
    for (const TestFactory& test : tests)
        failures += QTest::qExec(test.make().get(), argc, argv);
    return failures == 0 ? 0 : 1;
}
