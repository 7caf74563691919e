// Tests of the command line: the game's options beside Qt's own.
#include "app/commandline.h"
#include "testregistry.h"

#include <QCommandLineParser>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    // What the application object leaves of Qt's options is no option of the game's, and no
    // word after one dash is read as letters (-reverse as -v, -stylesheet as -h); the game's
    // own options work as ever, and an unknown one is refused.
    void qtsOwnOptionsBesideTheGames_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("set"); // the game's option given, if any
        QTest::addColumn<QString>("picture");
        QTest::newRow("-reverse") << QStringList{"-reverse"} << QString() << QString();
        QTest::newRow("-stylesheet=x")
            << QStringList{"-stylesheet=x", "a.jpg"} << QString() << "a.jpg";
        QTest::newRow("-qwindowtitle=X")
            << QStringList{"-qwindowtitle=X"} << QString() << QString();
        QTest::newRow("-style fusion")
            << QStringList{"-style", "fusion", "b.png"} << QString() << "b.png";
        QTest::newRow("--platform=xcb") << QStringList{"--platform=xcb"} << QString() << QString();
        QTest::newRow("-v") << QStringList{"-v"} << "version" << QString();
        QTest::newRow("--help") << QStringList{"--help"} << "help" << QString();
    }

    void qtsOwnOptionsBesideTheGames()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, set);
        QFETCH(QString, picture);
        QCommandLineParser parser;
        describeCommandLine(parser);
        QVERIFY2(parser.parse(QStringList{"tilewright"} + arguments),
                 qPrintable(parser.errorText()));
        QCOMPARE(parser.isSet(QStringLiteral("version")), set == QStringLiteral("version"));
        QCOMPARE(parser.isSet(QStringLiteral("help")), set == QStringLiteral("help"));
        QCOMPARE(parser.positionalArguments().value(0), picture);
        QVERIFY(!parser.parse({QStringLiteral("tilewright"), QStringLiteral("--no-such-option")}));
    }
};

TW_REGISTER_TEST(TestCommandLine)
#include "tst_commandline.moc"
