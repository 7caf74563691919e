// Tests of the command line: the game's options beside Qt's own.
#include "app/commandline.h"
#include "testregistry.h"

#include <QCommandLineParser>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    // What the application object leaves of Qt's options is no option of the game's, and no
    // word after one dash is read as letters (-reverse as -v, -stylesheet as -h).
    void qtsOwnOptionsAreNotTheGames_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("picture");
        QTest::newRow("-reverse") << QStringList{"-reverse"} << QString();
        QTest::newRow("-stylesheet=x") << QStringList{"-stylesheet=x", "a.jpg"} << "a.jpg";
        QTest::newRow("-qwindowtitle=X") << QStringList{"-qwindowtitle=X"} << QString();
        QTest::newRow("-style fusion") << QStringList{"-style", "fusion", "b.png"} << "b.png";
        QTest::newRow("-display :0") << QStringList{"-display", ":0"} << QString();
        QTest::newRow("--platform=xcb") << QStringList{"--platform=xcb"} << QString();
    }

    void qtsOwnOptionsAreNotTheGames()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, picture);
        QCommandLineParser parser;
        describeCommandLine(parser);
        QVERIFY2(parser.parse(QStringList{"tilewright"} + arguments),
                 qPrintable(parser.errorText()));
        QVERIFY(!parser.isSet(QStringLiteral("version")) && !parser.isSet(QStringLiteral("help")));
        QCOMPARE(parser.positionalArguments().value(0), picture);
    }

    void theGamesOwnOptionsStillWork_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("option");
        QTest::newRow("-v") << "-v"
                            << "version";
        QTest::newRow("--version") << "--version"
                                   << "version";
        QTest::newRow("-h") << "-h"
                            << "help";
        QTest::newRow("--help") << "--help"
                                << "help";
    }

    void theGamesOwnOptionsStillWork()
    {
        QFETCH(QString, argument);
        QFETCH(QString, option);
        QCommandLineParser parser;
        describeCommandLine(parser);
        QVERIFY(parser.parse({QStringLiteral("tilewright"), argument}));
        QVERIFY(parser.isSet(option));
        QVERIFY(!parser.parse({QStringLiteral("tilewright"), QStringLiteral("--no-such-option")}));
    }
};

TW_REGISTER_TEST(TestCommandLine)
#include "tst_commandline.moc"
