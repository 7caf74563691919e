// Tests of the program-file facts: folder with its separator, base name without extension.
#include "platform/programfile.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
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

    void dataBesideTheProgramOrInstalled()
    {
        // The usual layout, whatever this build was configured with.
        const QStringList usual{QStringLiteral("../share/tilewright")};
        QTemporaryDir prefix;
        const QDir root(prefix.path());
        QVERIFY(root.mkpath(QStringLiteral("bin")));
        QVERIFY(root.mkpath(QStringLiteral("share/tilewright/pictures")));
        const ProgramFile bare =
            ProgramFile::at(root.filePath(QStringLiteral("bin/tilewright")), usual);
        QCOMPARE(bare.helpPage, root.filePath(QStringLiteral("bin/Tilewright.html")));
        QCOMPARE(bare.sampleFolder, bare.folder);

        QVERIFY(
            writeFile(root.filePath(QStringLiteral("share/tilewright/Tilewright.html")), "<p>"));
        const ProgramFile installed =
            ProgramFile::at(root.filePath(QStringLiteral("bin/tilewright")), usual);
        QCOMPARE(installed.helpPage,
                 root.filePath(QStringLiteral("share/tilewright/Tilewright.html")));
        QCOMPARE(installed.sampleFolder,
                 root.filePath(QStringLiteral("share/tilewright/pictures/")));

        // A build keeps its page beside the program, which wins.
        QVERIFY(writeFile(root.filePath(QStringLiteral("bin/Tilewright.html")), "<p>"));
        const ProgramFile build =
            ProgramFile::at(root.filePath(QStringLiteral("bin/tilewright")), usual);
        QCOMPARE(build.helpPage, root.filePath(QStringLiteral("bin/Tilewright.html")));
        QCOMPARE(build.sampleFolder, build.folder);
    }

    void dataFolderAsConfigured()
    {
        // A games layout: the program in <prefix>/games, its data in share/games/tilewright.
        QTemporaryDir prefix;
        const QDir root(prefix.path());
        QVERIFY(root.mkpath(QStringLiteral("games")));
        QVERIFY(root.mkpath(QStringLiteral("share/games/tilewright")));
        QVERIFY(writeFile(root.filePath(QStringLiteral("share/games/tilewright/Tilewright.html")),
                          "<p>"));
        const QString game = root.filePath(QStringLiteral("games/tilewright"));
        const ProgramFile installed =
            ProgramFile::at(game, {QStringLiteral("../share/games/tilewright")});
        QCOMPARE(installed.helpPage,
                 root.filePath(QStringLiteral("share/games/tilewright/Tilewright.html")));
        QCOMPARE(installed.sampleFolder,
                 root.filePath(QStringLiteral("share/games/tilewright/pictures/")));

        // A copy of the program elsewhere finds the data where the build put it.
        QTemporaryDir elsewhere;
        const ProgramFile copy =
            ProgramFile::at(QDir(elsewhere.path()).filePath(QStringLiteral("Gift")),
                            {QStringLiteral("../share/games/tilewright"),
                             root.filePath(QStringLiteral("share/games/tilewright"))});
        QCOMPARE(copy.helpPage, installed.helpPage);

        // Found nowhere: the program's own folder, as in a build.
        const ProgramFile lost = ProgramFile::at(game, {QStringLiteral("../nowhere")});
        QCOMPARE(lost.sampleFolder, lost.folder);
        QCOMPARE(ProgramFile::installedDataFolders().size(), 2);
        QVERIFY(QDir::isAbsolutePath(ProgramFile::installedDataFolders().last()));
    }

    void helpPageInThePlayersLanguage()
    {
        QTemporaryDir folder;
        const QDir root(folder.path());
        QVERIFY(writeFile(root.filePath(QStringLiteral("Tilewright.html")), "<p>"));
        QVERIFY(writeFile(root.filePath(QStringLiteral("Tilewright.de.html")), "<p>"));
        const ProgramFile program = ProgramFile::at(root.filePath(QStringLiteral("tilewright")));
        QCOMPARE(program.inLanguage(QStringLiteral("de")).helpPage,
                 root.filePath(QStringLiteral("Tilewright.de.html")));
        // No French page here, and English has none of its own: the English page.
        QCOMPARE(program.inLanguage(QStringLiteral("fr")).helpPage, program.helpPage);
        QCOMPARE(program.inLanguage(QString()).helpPage, program.helpPage);
        QCOMPARE(program.inLanguage(QStringLiteral("de")).sampleFolder, program.sampleFolder);
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
