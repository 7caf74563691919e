// Tests of the program-file facts: folder with its separator, base name without extension.
#include "platform/programfile.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QTest>

class TestProgramFile : public QObject {
    Q_OBJECT

private slots:
    void folderKeepsItsSeparator()
    {
        const ProgramFile program = ProgramFile::at(QStringLiteral("/opt/games/tilewright"));
        QCOMPARE(program.folder, QStringLiteral("/opt/games/"));
        QCOMPARE(program.path, QStringLiteral("/opt/games/tilewright"));
        QCOMPARE(program.baseName, QStringLiteral("tilewright"));
        QCOMPARE(ProgramFile::at(QStringLiteral("/tilewright")).folder, QStringLiteral("/"));
    }

    void baseNameDropsOnlyTheLastExtension()
    {
        QCOMPARE(ProgramFile::at(QStringLiteral("/a/Tilewright Gift.exe")).baseName,
                 QStringLiteral("Tilewright Gift"));
        QCOMPARE(ProgramFile::at(QStringLiteral("/a/my.game.exe")).baseName,
                 QStringLiteral("my.game"));
    }

    void currentIsThisProgram()
    {
        const ProgramFile program = ProgramFile::current();
        QCOMPARE(program.path, QCoreApplication::applicationFilePath());
        QVERIFY(program.path.startsWith(program.folder));
        QCOMPARE(program.baseName, QStringLiteral("tst_platform"));
    }
};

TW_REGISTER_TEST(TestProgramFile)
#include "tst_programfile.moc"
