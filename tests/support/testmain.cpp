// Test main: runs every registered test class of one executable.
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

std::vector<TestFactory>& registeredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

int main(int argc, char** argv)
{
    TestApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (const TestFactory& make : registeredTests()) {
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
