// Tests of the kept game: what is written is read back, and no damaged record is taken up.
#include "app/keptgame.h"
#include "platform/profilestore.h"
#include "platform/randomengine.h"
#include "tempprofile.h"
#include "testfiles.h"
#include "testregistry.h"

#include <QSettings>
#include <QTest>

namespace {
// A sound record of a 3 x 3 slider two slides in, as the game writes it.
const QByteArray SoundRecord = "[Resume]\n"
                               "Picture=/home/ann/Pictures/holiday.zip\n"
                               "ZipIndex=2\n"
                               "BuiltIn=0\n"
                               "PuzzleMode=1\n"
                               "Dimension=3\n"
                               "Board=0 1 2 3 4 5 -1 6 7\n"
                               "Jumble=0 1 2 3 4 5 6 7 -1\n"
                               "Moves=2\n"
                               "Elapsed=95\n";

std::optional<KeptGame> readFrom(const QByteArray& record)
{
    const TempProfile profileFile;
    const QString& path = profileFile.path;
    writeFile(path, record);
    const ProfileStore profile(path);
    const std::vector<KeptGame> games = readKeptGames(profile);
    return games.empty() ? std::nullopt : std::optional<KeptGame>(games.front());
}

// The sound record with one line replaced, or taken out when the replacement is empty.
QByteArray withLine(const QByteArray& key, const QByteArray& line)
{
    QList<QByteArray> lines = SoundRecord.split('\n');
    for (QByteArray& each : lines)
        if (each.startsWith(key + '='))
            each = line;
    return lines.join('\n');
}
} // namespace

class TestKeptGame : public QObject {
    Q_OBJECT

private slots:
    void keptGameReadsBack()
    {
        RandomEngine random(8);
        UnfinishedGame game{{}, Board(PuzzleMode::Slider, 7), 31, 4000};
        game.jumbled.jumble(random);
        game.board = game.jumbled;
        game.board.slide({0, 6});
        const TempProfile profileFile;
        const QString& path = profileFile.path;
        {
            ProfileStore profile(path);
            keepGames(profile, {{QStringLiteral("/pictures/a b, c.jpg"), 1, false, game}});
            QVERIFY(profile.sync());
        }
        ProfileStore profile(path);
        const std::vector<KeptGame> games = readKeptGames(profile);
        QCOMPARE(games.size(), std::size_t{1});
        const KeptGame* kept = &games.front();
        QCOMPARE(kept->picturePath, QStringLiteral("/pictures/a b, c.jpg"));
        QCOMPARE(kept->game.board.mode(), PuzzleMode::Slider);
        QCOMPARE(kept->game.board.dimension(), 7);
        QCOMPARE(kept->game.board.tiles(), game.board.tiles());
        QCOMPARE(kept->game.board.holeCol(), 0);
        QCOMPARE(kept->game.jumbled.tiles(), game.jumbled.tiles());
        QCOMPARE(kept->game.moves, 31);
        QCOMPARE(kept->game.elapsed, 4000);
        keepGames(profile, {});
        QVERIFY(readKeptGames(profile).empty());
    }

    void theMovesToTakeBackAreKept()
    {
        const std::optional<KeptGame> plain = readFrom(SoundRecord);
        QVERIFY(plain);
        QVERIFY(plain->game.history.empty()); // kept before histories were
        QCOMPARE(plain->game.hints, 0);
        // The last of the two moves: the hole from the bottom-right corner to the left.
        const std::optional<KeptGame> kept = readFrom(SoundRecord + "History=8-6\nHints=1\n");
        QVERIFY(kept);
        QCOMPARE(kept->game.hints, 1);
        QCOMPARE(kept->game.history.size(), std::size_t{1});
        QCOMPARE(kept->game.history.front(), (Move{PuzzleMode::Slider, {2, 2}, {0, 2}}));
        // Every move of the game, one tile at a time, back to the jumble.
        QCOMPARE(readFrom(SoundRecord + "History=8-7 7-6\n")->game.history.size(), std::size_t{2});

        const TempProfile profileFile;
        ProfileStore profile(profileFile.path);
        keepGames(profile, {*kept});
        QVERIFY(profile.sync());
        QCOMPARE(readKeptGames(ProfileStore(profileFile.path)), std::vector<KeptGame>{*kept});
    }

    void aDamagedHistoryIsDropped_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::newRow("not numbers") << QByteArray("8-x");
        QTest::newRow("off the board") << QByteArray("9-6");
        QTest::newRow("the hole not where it went") << QByteArray("8-7");
        QTest::newRow("more moves than made") << QByteArray("8-7 8-6 7-8");
        QTest::newRow("every move, not from the jumble") << QByteArray("4-7 7-6");
        QTest::newRow("three numbers") << QByteArray("8-6-3");
    }

    void aDamagedHistoryIsDropped()
    {
        QFETCH(QByteArray, history);
        const std::optional<KeptGame> kept = readFrom(SoundRecord + "History=" + history + "\n");
        QVERIFY(kept); // the game goes on, without moves to take back
        QVERIFY(kept->game.history.empty());
        QCOMPARE(kept->game.moves, 2);
    }

    void aDamagedHintCountRefusesTheRecord()
    {
        QVERIFY(!readFrom(SoundRecord + "Hints=-1\n"));
        QVERIFY(!readFrom(SoundRecord + "Hints=many\n"));
    }

    void fiveGamesAreKeptNewestFirst()
    {
        const TempProfile profileFile;
        ProfileStore profile(profileFile.path);
        const std::optional<KeptGame> sound = readFrom(SoundRecord);
        QVERIFY(sound);
        std::vector<KeptGame> games;
        for (int i = 0; i < 7; ++i) {
            KeptGame game = *sound;
            game.game.moves = i + 1;
            games.push_back(game);
        }
        keepGames(profile, games);
        QVERIFY(profile.sync());
        QStringList sections = QSettings(profileFile.path, QSettings::IniFormat).childGroups();
        sections.sort();
        QCOMPARE(sections, QStringList({"Resume", "Resume2", "Resume3", "Resume4", "Resume5"}));
        std::vector<int> moves;
        for (const KeptGame& game : readKeptGames(ProfileStore(profileFile.path)))
            moves.push_back(game.game.moves);
        QCOMPARE(moves, (std::vector<int>{1, 2, 3, 4, 5}));
        // Fewer games later: the sections left over go.
        keepGames(profile, {games[6]});
        QVERIFY(profile.sync());
        QCOMPARE(QSettings(profileFile.path, QSettings::IniFormat).childGroups(),
                 QStringList{"Resume"});
    }

    // A thousand records no Resume reaches go at the next write; other sections stay.
    void recordsBeyondFiveArePruned()
    {
        const TempProfile profileFile;
        QByteArray file = "[Settings]\nDimension=4\n[ResumeNotes]\nText=mine\n";
        for (int place = 1; place <= 1000; ++place)
            file += QByteArray(SoundRecord)
                        .replace("[Resume]", "[Resume" + QByteArray::number(place) + "]");
        QVERIFY(writeFile(profileFile.path, file));
        ProfileStore profile(profileFile.path);
        keepGames(profile, {*readFrom(SoundRecord)});
        QVERIFY(profile.sync());
        QStringList sections = QSettings(profileFile.path, QSettings::IniFormat).childGroups();
        sections.sort();
        QCOMPARE(sections, QStringList({"Resume", "ResumeNotes", "Settings"}));
    }

    void aDamagedRecordCostsItselfAlone()
    {
        QByteArray file = SoundRecord;
        file +=
            QByteArray(SoundRecord).replace("[Resume]", "[Resume2]").replace("Moves=2", "Moves=x");
        file +=
            QByteArray(SoundRecord).replace("[Resume]", "[Resume3]").replace("Moves=2", "Moves=9");
        const TempProfile profileFile;
        QVERIFY(writeFile(profileFile.path, file));
        std::vector<int> moves;
        for (const KeptGame& game : readKeptGames(ProfileStore(profileFile.path)))
            moves.push_back(game.game.moves);
        QCOMPARE(moves, (std::vector<int>{2, 9}));
    }

    void soundRecordIsTakenUp()
    {
        const std::optional<KeptGame> kept = readFrom(SoundRecord);
        QVERIFY(kept);
        QCOMPARE(kept->zipIndex, 2);
        QVERIFY(!kept->builtIn);
        QCOMPARE(kept->game.board.holeCol(), 0);
        QCOMPARE(kept->game.board.holeRow(), 2);
        // The built-in picture needs no file name.
        const std::optional<KeptGame> builtIn =
            readFrom(withLine("Picture", "Picture=").replace("BuiltIn=0", "BuiltIn=1"));
        QVERIFY(builtIn && builtIn->builtIn);
    }

    void damagedRecordIsRefused_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("nothing kept") << QByteArray("[Settings]\nDimension=4\n");
        QTest::newRow("board too short") << withLine("Board", "Board=0 1 2 3 4 5 -1 6");
        QTest::newRow("board too long") << withLine("Board", "Board=0 1 2 3 4 5 -1 6 7 8");
        QTest::newRow("a tile twice") << withLine("Board", "Board=0 1 2 3 4 5 -1 6 6");
        QTest::newRow("not numbers") << withLine("Board", "Board=0 1 2 3 4 5 -1 6 x");
        QTest::newRow("commas") << withLine("Board", "Board=0,1,2,3,4,5,-1,6,7");
        QTest::newRow("no hole in the slider") << withLine("Board", "Board=0 1 2 3 4 5 8 6 7");
        QTest::newRow("unsolvable slider") << withLine("Board", "Board=1 0 2 3 4 5 -1 6 7");
        QTest::newRow("unsolvable jumble") << withLine("Jumble", "Jumble=1 0 2 3 4 5 6 7 -1");
        QTest::newRow("hole in tile swap") << withLine("PuzzleMode", "PuzzleMode=0");
        QTest::newRow("unknown mode") << withLine("PuzzleMode", "PuzzleMode=2");
        QTest::newRow("size 2") << withLine("Dimension", "Dimension=2");
        QTest::newRow("size 11") << withLine("Dimension", "Dimension=11");
        QTest::newRow("size of another board") << withLine("Dimension", "Dimension=4");
        QTest::newRow("negative moves") << withLine("Moves", "Moves=-1");
        QTest::newRow("negative time") << withLine("Elapsed", "Elapsed=-5");
        QTest::newRow("time no number") << withLine("Elapsed", "Elapsed=1e3");
        QTest::newRow("no moves") << withLine("Moves", "");
        QTest::newRow("no jumble") << withLine("Jumble", "");
        QTest::newRow("no picture") << withLine("Picture", "Picture=");
        QTest::newRow("negative position") << withLine("ZipIndex", "ZipIndex=-1");
        QTest::newRow("more moves than anyone makes") << withLine("Moves", "Moves=10000001");
        QTest::newRow("moves at the counter's limit") << withLine("Moves", "Moves=2147483647");
        QTest::newRow("over 100 days") << withLine("Elapsed", "Elapsed=8640001");
        QTest::newRow("time at the counter's limit") << withLine("Elapsed", "Elapsed=2147483647");
    }

    void largestSoundCountersAreKept()
    {
        const std::optional<KeptGame> kept = readFrom(
            withLine("Elapsed", "Elapsed=8640000").replace("Moves=2\n", "Moves=10000000\n"));
        QVERIFY(kept);
        QCOMPARE(kept->game.moves, 10'000'000);
        QCOMPARE(kept->game.elapsed, 8'640'000);
    }

    void damagedRecordIsRefused()
    {
        QFETCH(QByteArray, record);
        QVERIFY(!readFrom(record));
    }
};

TW_REGISTER_TEST(TestKeptGame)
#include "tst_keptgame.moc"
