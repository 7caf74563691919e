// Fuzz target: settings, scoreboards and the kept game loaded from any settings file, and the
// time texts of any number of seconds.
#include "app/keptgame.h"
#include "app/settings.h"
#include "fuzzinput.h"
#include "game/playersettings.h"
#include "platform/profilestore.h"
#include "scores/scoretables.h"
#include "scores/timetext.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = inputFile(QStringLiteral("tilewright.ini"), data, size);
    if (path.isEmpty())
        return 0;
    ProfileStore profile(path);
    PlayerSettings settings;
    loadSettings(settings, profile, QStringLiteral("/program/"));
    if (settings.dimension < Board::MinDimension || settings.dimension > Board::MaxDimension)
        __builtin_trap(); // every board size read is playable
    settings.grid = !settings.grid;
    settings.sound = !settings.sound;
    saveSettings(settings, profile);
    // What was written reads back as the same settings.
    PlayerSettings again;
    loadSettings(again, profile, QString());
    if (!(again == settings))
        __builtin_trap();

    ScoreTables tables;
    tables.load(profile);
    for (int mode = 0; mode < 2; ++mode) {
        for (const ScoreEntry& row : tables.table(mode)) {
            (void)timeText(row.time, TimeStyle::TimeTaken);
            (void)timeText(row.time, TimeStyle::Scoreboard);
            (void)difficultyName(row.difficulty);
        }
    }
    tables.record(profile, 1, {QStringLiteral("Fuzz"), 10, 1, 1});

    // A kept game that is read is one the game could have written: written again, it reads
    // back the same.
    const std::vector<KeptGame> kept = readKeptGames(profile);
    for (const KeptGame& game : kept)
        if (game.game.board.hasHole() != (game.game.board.mode() == PuzzleMode::Slider))
            __builtin_trap();
    keepGames(profile, kept);
    if (readKeptGames(profile) != kept)
        __builtin_trap();
    // The first bytes as a number of seconds, whatever it is.
    int seconds = 0;
    std::memcpy(&seconds, data, std::min(size, sizeof seconds));
    if (timeText(seconds, TimeStyle::TimeTaken).isEmpty() ||
        timeText(seconds, TimeStyle::Scoreboard).isEmpty())
        __builtin_trap();
    return 0;
}
