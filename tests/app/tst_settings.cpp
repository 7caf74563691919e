// Tests of the settings: first run, reading back, missing keys and out-of-range sizes.
#include "app/settings.h"
#include "game/playersettings.h"
#include "platform/profilestore.h"
#include "tempprofile.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString ProgramFolder = QStringLiteral("/opt/tilewright/");

// The settings in their profile order, for one comparison with readable failures.
// The settings in their profile order and stored numbers, for one comparison with readable
// failures.
QVariantList settingsOf(const PlayerSettings& s)
{
    return {s.dimension,
            int(s.grid),
            static_cast<int>(s.gridColour),
            static_cast<int>(s.selColour),
            int(s.sound),
            storedPuzzleMode(s.puzzleMode),
            int(s.statusBar),
            int(s.tileNumbers),
            s.folder,
            int(s.animations)};
}

PlayerSettings loadedFrom(const QString& path)
{
    PlayerSettings settings;
    ProfileStore profile(path);
    loadSettings(settings, profile, ProgramFolder);
    return settings;
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesEveryDefault()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        const PlayerSettings state = loadedFrom(path);
        const QVariantList defaults{4, 1, 0, 1, 1, 0, 1, 0, ProgramFolder, 1};
        QCOMPARE(settingsOf(state), defaults);

        QSettings written(path, QSettings::IniFormat);
        written.beginGroup(QStringLiteral("Settings"));
        QStringList keys = written.childKeys();
        keys.sort();
        QCOMPARE(keys,
                 QStringList({"Animations", "Dimension", "Folder", "Grid", "GridColour",
                              "PuzzleMode", "SelColour", "Sound", "StatusBar", "TileNumbers"}));
        QCOMPARE(written.value(QStringLiteral("Dimension")).toString(), QStringLiteral("4"));
        QCOMPARE(written.value(QStringLiteral("SelColour")).toString(), QStringLiteral("1"));
        QCOMPARE(written.value(QStringLiteral("Folder")).toString(), ProgramFolder);
    }

    void savedSettingsReadBack()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        PlayerSettings played;
        played.dimension = 9;
        played.grid = false;
        played.gridColour = GridColour::Red;
        played.selColour = SelectionColour::Black;
        played.sound = false;
        played.puzzleMode = PuzzleMode::Slider;
        played.statusBar = false;
        played.tileNumbers = true;
        played.animations = false;
        played.folder = QStringLiteral("/home/ann/Pictures, 2026");
        {
            ProfileStore profile(path);
            QVERIFY(saveSettings(played, profile));
        }
        QCOMPARE(settingsOf(loadedFrom(path)), settingsOf(played));
        QVERIFY(loadedFrom(path) == played);
    }

    void missingKeysTakeTheirOwnDefaults()
    {
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        QVERIFY(writeFile(path, "[Settings]\nDimension=5\nSound=0\nGridColour=9\nPuzzleMode=7\n"));
        // Unknown numbers play as they always have, here a black grid and the slider; a
        // missing folder is empty rather than the program's. A profile from before the
        // status bar and tile numbers shows the one and not the other.
        const QVariantList expected{5, 1, 0, 1, 0, 1, 1, 0, QString(), 1};
        QCOMPARE(settingsOf(loadedFrom(path)), expected);
        QVERIFY(!QSettings(path, QSettings::IniFormat).contains(QStringLiteral("Settings/Folder")));
    }

    void storedNumbersPlayAsTheyAlwaysHave_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QVariantList>("expected"); // grid, grid colour, selection, mode
        QTest::newRow("known") << QByteArray("Grid=1\nGridColour=1\nSelColour=0\nPuzzleMode=0")
                               << QVariantList{1, 1, 0, 0};
        QTest::newRow("red and slider")
            << QByteArray("Grid=0\nGridColour=2\nSelColour=2\nPuzzleMode=1")
            << QVariantList{0, 2, 2, 1};
        QTest::newRow("unknown") << QByteArray("Grid=5\nGridColour=3\nSelColour=7\nPuzzleMode=7")
                                 << QVariantList{1, 0, 2, 1};
        QTest::newRow("negative")
            << QByteArray("Grid=-1\nGridColour=-1\nSelColour=-1\nPuzzleMode=-2147483648")
            << QVariantList{1, 0, 2, 1};
    }

    void storedNumbersPlayAsTheyAlwaysHave()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QVariantList, expected);
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        QVERIFY(writeFile(path, "[Settings]\nDimension=4\n" + stored + "\n"));
        const PlayerSettings settings = loadedFrom(path);
        QCOMPARE(settingsOf(settings).mid(1, 3) << storedPuzzleMode(settings.puzzleMode), expected);
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
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        const QByteArray file = "[Settings]\nDimension=" + stored + "\nGrid=abc\nSound=0\n";
        QVERIFY(writeFile(path, file));
        const PlayerSettings state = loadedFrom(path);
        QCOMPARE(state.dimension, expected);
        QVERIFY(state.grid);
        // Present, however unusable, is no first run: nothing is rewritten.
        QVERIFY(!state.sound);
        QCOMPARE(state.folder, QString());
        QCOMPARE(readFile(path), file);
    }

    void unwritableProfileStillStarts()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("file"));
        QVERIFY(writeFile(blocker, "x"));
        const QString path = blocker + QStringLiteral("/tilewright.ini");
        PlayerSettings state = loadedFrom(path);
        QCOMPARE(settingsOf(state), QVariantList({4, 1, 0, 1, 1, 0, 1, 0, ProgramFolder, 1}));
        ProfileStore profile(path);
        QVERIFY(!saveSettings(state, profile));
    }
};

TW_REGISTER_TEST(TestSettings)
#include "tst_settings.moc"
