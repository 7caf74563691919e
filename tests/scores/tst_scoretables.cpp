// Tests of the score tables: defaults, ranking, storage and the time texts.
#include "platform/profilestore.h"
#include "scores/scoretables.h"
#include "scores/timetext.h"
#include "tempprofile.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QProcess>
#include <QSettings>
#include <QTest>

namespace {
struct Store : TempProfile {
    ProfileStore profile{path};

    ScoreTables loaded()
    {
        ScoreTables tables;
        tables.load(profile);
        return tables;
    }
};
} // namespace

class TestScoreTables : public QObject {
    Q_OBJECT

private slots:
    void emptyStoreGetsTheDefaults()
    {
        Store store;
        const ScoreTables tables = store.loaded();
        QCOMPARE(tables.table(0)[0], (ScoreEntry{"Marbleowl", 10, 318, 1111}));
        QCOMPARE(tables.table(0)[9], (ScoreEntry{"Quenby", 3, 9, 7}));
        QCOMPARE(tables.table(1)[0], (ScoreEntry{"Quenby", 10, 1124, 1754}));
        QCOMPARE(tables.table(7)[8], (ScoreEntry{"Marbleowl", 3, 58, 11})); // any mode but 0
        // Written at once, every number as its complement.
        QCOMPARE(store.raw("Scores/Difficulty0"), QStringLiteral("-11"));
        QCOMPARE(store.raw("Scores/Time8"), QStringLiteral("-6"));
        QCOMPARE(store.raw("SliderScores/Name9"), QStringLiteral("Quenby"));
        QCOMPARE(QSettings(store.path, QSettings::IniFormat).allKeys().size(), 80);
    }

    void missingRowCostsOnlyItself_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("replacement");
        QTest::newRow("difficulty taken out") << QByteArray("Difficulty4=-7\n") << QByteArray();
        QTest::newRow("difficulty 999, the sign of no value")
            << QByteArray("Difficulty4=-7\n") << QByteArray("Difficulty4=999\n");
    }

    // A player's results survive one damaged row of either table, and reading writes nothing.
    void missingRowCostsOnlyItself()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, replacement);
        Store store;
        QVERIFY(store.loaded().record(store.profile, 0, {"Ann", 10, 100, 100}));
        QByteArray file = readFile(store.path);
        const qsizetype slider = file.indexOf("[SliderScores]");
        const qsizetype at = file.indexOf(line, slider);
        QVERIFY(slider >= 0 && at > slider);
        file.replace(at, line.size(), replacement);
        QVERIFY(writeFile(store.path, file));
        const ScoreTables tables = store.loaded();
        QCOMPARE(tables.table(0)[0].name, QStringLiteral("Ann"));
        QCOMPARE(tables.table(1)[4], (ScoreEntry{"Quenby", 6, 356, 303})); // the default row
        QCOMPARE(tables.table(1)[5], (ScoreEntry{"Quenby", 5, 209, 285})); // as stored
        QCOMPARE(readFile(store.path), file);
    }

    void firstRunIsOnlyWhenNoScoreKeyIsThere()
    {
        Store store;
        // Only a name of one row: the rest reads as defaults, and nothing is written.
        QVERIFY(writeFile(store.path, "[SliderScores]\nName2=Zed\n"));
        const ScoreTables tables = store.loaded();
        QCOMPARE(tables.table(1)[2], (ScoreEntry{"Marbleowl", 8, 714, 721}));
        QCOMPARE(readFile(store.path), QByteArray("[SliderScores]\nName2=Zed\n"));
    }

    void missingTimeOrMovesReadAsMinus1000()
    {
        Store store;
        store.loaded();
        {
            QSettings edit(store.path, QSettings::IniFormat);
            edit.remove(QStringLiteral("Scores/Time3"));
            edit.remove(QStringLiteral("Scores/Moves3"));
            edit.remove(QStringLiteral("Scores/Name3"));
        }
        const ScoreEntry row = store.loaded().table(0)[3];
        QCOMPARE(row, (ScoreEntry{QString(), 7, -1000, -1000}));
        QCOMPARE(timeText(row.time, TimeStyle::Scoreboard), QStringLiteral("-40 secs"));
    }

    void qualifyingAgainstRowNine_data()
    {
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<int>("time");
        QTest::addColumn<int>("moves");
        QTest::addColumn<bool>("qualifies");
        // Row 9 of tile swap: 3 x 3, 7 seconds, 9 moves.
        QTest::newRow("equal") << 3 << 7 << 9 << false;
        QTest::newRow("one second faster") << 3 << 6 << 50 << true;
        QTest::newRow("one move fewer") << 3 << 7 << 8 << true;
        QTest::newRow("slower") << 3 << 8 << 1 << false;
        QTest::newRow("larger grid, however slow") << 4 << 99999 << 9999 << true;
    }

    void qualifyingAgainstRowNine()
    {
        QFETCH(int, difficulty);
        QFETCH(int, time);
        QFETCH(int, moves);
        QFETCH(bool, qualifies);
        Store store;
        QCOMPARE(store.loaded().qualifies(0, difficulty, time, moves), qualifies);
    }

    void smallGridNeverBeatsALargerOne()
    {
        Store store;
        ScoreTables tables = store.loaded();
        tables.insert(0, {"Fast", 3, 1, 1});
        QCOMPARE(tables.table(0)[8].name, QStringLiteral("Fast"));
        QCOMPARE(tables.table(0)[7], (ScoreEntry{"Quenby", 4, 22, 18}));
        QCOMPARE(tables.table(0)[9], (ScoreEntry{"Marbleowl", 3, 7, 5}));
    }

    void equalRowsKeepTheirPlaceAhead()
    {
        Store store;
        ScoreTables tables = store.loaded();
        tables.insert(1, {"Second", 6, 356, 303}); // equals slider row 4
        QCOMPARE(tables.table(1)[4].name, QStringLiteral("Quenby"));
        QCOMPARE(tables.table(1)[5].name, QStringLiteral("Second"));
        QCOMPARE(tables.table(1)[9].name, QStringLiteral("Marbleowl")); // old row 9 fell off
        QCOMPARE(tables.table(0)[0].name, QStringLiteral("Marbleowl")); // the other table alone
    }

    void recordKeepsWhatAnotherCopySaved()
    {
        Store store;
        ScoreTables mine = store.loaded(); // this copy's dialog opened
        // Meanwhile another running copy of the game saved a result of its own.
        QByteArray file = readFile(store.path);
        file.replace("Name0=Marbleowl", "Name0=Other");
        QVERIFY(writeFile(store.path, file));
        QVERIFY(mine.record(store.profile, 0, {"Mine", 9, 40, 40}));
        const ScoreTables stored = store.loaded();
        QCOMPARE(stored.table(0)[0].name, QStringLiteral("Other"));
        QCOMPARE(stored.table(0)[1].name, QStringLiteral("Mine"));
        // A result that no longer ranks is not written.
        for (int i = 0; i < 10; ++i)
            QVERIFY(mine.record(store.profile, 0, {"Top", 10, 1, 1}));
        QVERIFY(!mine.record(store.profile, 0, {"Late", 9, 40, 40}));
        QVERIFY(!store.raw("Scores/Name9").contains(QStringLiteral("Late")));
    }

    void twoCopiesShareOneScoreFile()
    {
        Store mine; // open before any score exists
        QVERIFY(!mine.profile.contains(QStringLiteral("Scores"), QStringLiteral("Difficulty0")));
        // Another running copy enters a result; its file lands where this copy reads.
        Store other;
        QVERIFY(other.loaded().record(other.profile, 0, {"Ann", 9, 40, 40}));
        QVERIFY(writeFile(mine.path, readFile(other.path)));
        // This copy opens its scoreboard, then finishes a game of its own.
        ScoreTables seen;
        seen.load(mine.profile);
        QCOMPARE(seen.table(0)[1].name, QStringLiteral("Ann"));
        QVERIFY(seen.record(mine.profile, 0, {"Bob", 8, 30, 30}));
        QCOMPARE(mine.raw("Scores/Name1"), QStringLiteral("Ann"));
        QCOMPARE(mine.raw("Scores/Name3"), QStringLiteral("Bob"));
    }

    void twoCopiesRecordingAtOnceLoseNothing()
    {
        // Each round, two processes enter five results each as fast as they can; every one
        // ranks above the default rows, so the ten rows must hold all ten.
        for (int round = 0; round < 3; ++round) {
            Store store;
            store.loaded(); // the first run's defaults, written before the race
            QProcess first;
            QProcess second;
            first.start(QStringLiteral(TW_RECORD_SCORES), {store.path, "First", "5"});
            second.start(QStringLiteral(TW_RECORD_SCORES), {store.path, "Second", "5"});
            QVERIFY(first.waitForFinished(30000) && second.waitForFinished(30000));
            QCOMPARE(first.exitCode(), 0);
            QCOMPARE(second.exitCode(), 0);
            QStringList names;
            const ScoreTables tables = store.loaded();
            for (const ScoreEntry& row : tables.table(0))
                names << row.name;
            names.sort();
            QCOMPARE(names, QStringList({"First0", "First1", "First2", "First3", "First4",
                                         "Second0", "Second1", "Second2", "Second3", "Second4"}));
        }
    }

    // Numbers stored as their complement: what no game can make is damage too.
    void damagedNumberCostsOnlyItsRow_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("difficulty no number") << QByteArray("Difficulty3") << QByteArray("-8abc");
        QTest::newRow("time no number") << QByteArray("Time3") << QByteArray("-165abc");
        QTest::newRow("moves no number") << QByteArray("Moves3") << QByteArray("x");
        QTest::newRow("grid of 2147483647")
            << QByteArray("Difficulty3") << QByteArray("-2147483648");
        QTest::newRow("grid of -5") << QByteArray("Difficulty3") << QByteArray("4");
        QTest::newRow("grid of 11") << QByteArray("Difficulty3") << QByteArray("-12");
        QTest::newRow("time -8") << QByteArray("Time3") << QByteArray("7");
        QTest::newRow("moves -1") << QByteArray("Moves3") << QByteArray("0");
    }

    void damagedNumberCostsOnlyItsRow()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, stored);
        Store store;
        QVERIFY(store.loaded().record(store.profile, 0, {"Ann", 10, 100, 100}));
        QByteArray file = readFile(store.path);
        const qsizetype at = file.indexOf(key + '=') + key.size() + 1;
        file.replace(at, file.indexOf('\n', at) - at, stored);
        QVERIFY(writeFile(store.path, file));
        const ScoreTables tables = store.loaded();
        QCOMPARE(tables.table(0)[0].name, QStringLiteral("Ann"));
        // The damaged row reads as the default table's row at its place.
        QCOMPARE(tables.table(0)[3], (ScoreEntry{"Marbleowl", 7, 164, 251}));
        QCOMPARE(tables.table(1)[0], (ScoreEntry{"Quenby", 10, 1124, 1754}));
        QCOMPARE(readFile(store.path), file); // and nothing is written for it
    }

    void garbageInTheStoreNeverBreaks()
    {
        Store store;
        QVERIFY(writeFile(store.path, "[Scores]\nDifficulty0=abc\nTime0=1e99\n[SliderScores]\n"
                                      "Difficulty0=-4\nName0=,,\n"));
        const ScoreTables tables = store.loaded();
        QCOMPARE(tables.table(0)[0].name, QStringLiteral("Marbleowl"));
    }

    void names()
    {
        QCOMPARE(difficultyName(3), QStringLiteral("Beginner"));
        QCOMPARE(difficultyName(4), QStringLiteral("Novice"));
        QCOMPARE(difficultyName(7), QStringLiteral("Expert"));
        QCOMPARE(difficultyName(10), QStringLiteral("Grandmaster"));
        QCOMPARE(difficultyName(2), QString());
        QCOMPARE(difficultyName(11), QString());
    }
};

TW_REGISTER_TEST(TestScoreTables)
#include "tst_scoretables.moc"
