// Tests of the settings: first run, reading back, missing keys and out-of-range sizes.
#include "app/gamestate.h"
#include "app/settings.h"
#include "platform/profilestore.h"
#include "testregistry.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString ProgramFolder = QStringLiteral("/opt/tilewright/");

GameState freshState()
{
    GameState state;
    state.programFolder = ProgramFolder;
    state.folder = ProgramFolder;
    return state;
}

void writeProfile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesEveryDefault()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        ProfileStore profile(path);
        GameState state = freshState();
        state.grid = 0; // whatever the fields held, a first run starts from the defaults
        loadSettings(state, profile);

        QCOMPARE(state.dimension, 4);
        QCOMPARE(state.grid, 1);
        QCOMPARE(state.gridColour, 0);
        QCOMPARE(state.selColour, 1);
        QCOMPARE(state.sound, 1);
        QCOMPARE(state.puzzleMode, 0);
        QCOMPARE(state.folder, ProgramFolder);

        QSettings written(path, QSettings::IniFormat);
        written.beginGroup(QStringLiteral("Settings"));
        QStringList keys = written.childKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({"Dimension", "Folder", "Grid", "GridColour", "PuzzleMode",
                                    "SelColour", "Sound"}));
        QCOMPARE(written.value(QStringLiteral("Dimension")).toString(), QStringLiteral("4"));
        QCOMPARE(written.value(QStringLiteral("SelColour")).toString(), QStringLiteral("1"));
        QCOMPARE(written.value(QStringLiteral("Folder")).toString(), ProgramFolder);
    }

    void savedSettingsReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        GameState played = freshState();
        played.dimension = 9;
        played.grid = 0;
        played.gridColour = 2;
        played.selColour = 0;
        played.sound = 0;
        played.puzzleMode = 1;
        played.folder = QStringLiteral("/home/ann/Pictures, 2026");
        {
            ProfileStore profile(path);
            QVERIFY(saveSettings(played, profile));
        }
        ProfileStore profile(path);
        GameState next = freshState();
        loadSettings(next, profile);
        QCOMPARE(next.dimension, 9);
        QCOMPARE(next.grid, 0);
        QCOMPARE(next.gridColour, 2);
        QCOMPARE(next.selColour, 0);
        QCOMPARE(next.sound, 0);
        QCOMPARE(next.puzzleMode, 1);
        QCOMPARE(next.folder, played.folder);
    }

    void missingKeysTakeTheirOwnDefaults()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        writeProfile(path, "[Settings]\nDimension=5\nSound=0\nGridColour=9\nPuzzleMode=7\n");
        ProfileStore profile(path);
        GameState state = freshState();
        loadSettings(state, profile);
        QCOMPARE(state.dimension, 5);
        QCOMPARE(state.sound, 0);
        QCOMPARE(state.grid, 1);
        QCOMPARE(state.selColour, 1);
        // Only the board size is brought into range; other values are taken as stored.
        QCOMPARE(state.gridColour, 9);
        QCOMPARE(state.puzzleMode, 7);
        QCOMPARE(state.folder, QString());
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
    }

    void boardSizeAlwaysInRange()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tilewright.ini"));
        writeProfile(path, "[Settings]\nDimension=" + stored + "\nGrid=abc\n");
        ProfileStore profile(path);
        GameState state = freshState();
        loadSettings(state, profile);
        QCOMPARE(state.dimension, expected);
        QCOMPARE(state.grid, 1);
    }

    void unwritableProfileStillStarts()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("file"));
        writeProfile(blocker, "x");
        ProfileStore profile(blocker + QStringLiteral("/tilewright.ini"));
        GameState state = freshState();
        loadSettings(state, profile);
        QCOMPARE(state.dimension, 4);
        QCOMPARE(state.folder, ProgramFolder);
        QVERIFY(!saveSettings(state, profile));
    }
};

TW_REGISTER_TEST(TestSettings)
#include "tst_settings.moc"
