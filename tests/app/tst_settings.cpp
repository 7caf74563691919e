// Tests of the settings: first run, reading back, missing keys and out-of-range sizes.
#include "app/settings.h"
#include "game/gamestate.h"
#include "platform/profilestore.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString ProgramFolder = QStringLiteral("/opt/tilewright/");

// The settings in their profile order, for one comparison with readable failures.
QVariantList settingsOf(const GameState& state)
{
    return {state.dimension,  state.grid,      state.gridColour,  state.selColour, state.sound,
            state.puzzleMode, state.statusBar, state.tileNumbers, state.folder};
}

GameState loadedFrom(const QString& path)
{
    GameState state;
    state.programFolder = ProgramFolder;
    state.folder = ProgramFolder;
    ProfileStore profile(path);
    loadSettings(state, profile);
    return state;
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesEveryDefault()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        const GameState state = loadedFrom(path);
        const QVariantList defaults{4, 1, 0, 1, 1, 0, 1, 0, ProgramFolder};
        QCOMPARE(settingsOf(state), defaults);

        QSettings written(path, QSettings::IniFormat);
        written.beginGroup(QStringLiteral("Settings"));
        QStringList keys = written.childKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({"Dimension", "Folder", "Grid", "GridColour", "PuzzleMode",
                                    "SelColour", "Sound", "StatusBar", "TileNumbers"}));
        QCOMPARE(written.value(QStringLiteral("Dimension")).toString(), QStringLiteral("4"));
        QCOMPARE(written.value(QStringLiteral("SelColour")).toString(), QStringLiteral("1"));
        QCOMPARE(written.value(QStringLiteral("Folder")).toString(), ProgramFolder);
    }

    void savedSettingsReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        GameState played;
        played.dimension = 9;
        played.grid = 0;
        played.gridColour = 2;
        played.selColour = 0;
        played.sound = 0;
        played.puzzleMode = 1;
        played.statusBar = 0;
        played.tileNumbers = 1;
        played.folder = QStringLiteral("/home/ann/Pictures, 2026");
        {
            ProfileStore profile(path);
            QVERIFY(saveSettings(played, profile));
        }
        QCOMPARE(settingsOf(loadedFrom(path)), settingsOf(played));
    }

    void missingKeysTakeTheirOwnDefaults()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        QVERIFY(writeFile(path, "[Settings]\nDimension=5\nSound=0\nGridColour=9\nPuzzleMode=7\n"));
        // Only the board size is brought into range; other values are taken as stored, and
        // a missing folder is empty rather than the program's. A profile from before the
        // status bar and tile numbers shows the one and not the other.
        const QVariantList expected{5, 1, 9, 1, 0, 7, 1, 0, QString()};
        QCOMPARE(settingsOf(loadedFrom(path)), expected);
        QVERIFY(!QSettings(path, QSettings::IniFormat).contains(QStringLiteral("Settings/Folder")));
    }

    void boardSizeAlwaysInRange_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("3") << QByteArray("3") << 3;
        QTest::newRow("10") << QByteArray("10") << 10;
        QTest::newRow("2") << QByteArray("2") << 4;
        QTest::newRow("11") << QByteArray("11") << 4;
        QTest::newRow("0") << QByteArray("0") << 4;
        QTest::newRow("negative") << QByteArray("-6") << 4;
        QTest::newRow("largest int") << QByteArray("2147483647") << 4;
        QTest::newRow("huge") << QByteArray("123456789012345") << 4;
        QTest::newRow("text") << QByteArray("big") << 4;
        QTest::newRow("fraction") << QByteArray("5.0") << 4;
        QTest::newRow("empty") << QByteArray("") << 4;
        QTest::newRow("999") << QByteArray("999") << 4;
    }

    void boardSizeAlwaysInRange()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        const QByteArray file = "[Settings]\nDimension=" + stored + "\nGrid=abc\nSound=0\n";
        QVERIFY(writeFile(path, file));
        const GameState state = loadedFrom(path);
        QCOMPARE(state.dimension, expected);
        QCOMPARE(state.grid, 1);
        // Present, however unusable, is no first run: nothing is rewritten.
        QCOMPARE(state.sound, 0);
        QCOMPARE(state.folder, QString());
        QCOMPARE(readFile(path), file);
    }

    void unwritableProfileStillStarts()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("file"));
        QVERIFY(writeFile(blocker, "x"));
        const QString path = blocker + QStringLiteral("/tilewright.ini");
        GameState state = loadedFrom(path);
        QCOMPARE(settingsOf(state), QVariantList({4, 1, 0, 1, 1, 0, 1, 0, ProgramFolder}));
        ProfileStore profile(path);
        QVERIFY(!saveSettings(state, profile));
    }
};

TW_REGISTER_TEST(TestSettings)
#include "tst_settings.moc"
