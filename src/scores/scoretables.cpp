// Score tables: the two ten-row scoreboards, their ranking and their place in the profile.
#include "scoretables.h"

#include "platform/profilestore.h"
#include "platform/sections.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace {
const QString Sections[] = {ScoresSection, SliderScoresSection};

// A missing number reads as this: for a difficulty, the sign that its row was never written.
constexpr int NotStored = 999;
constexpr const char* RowWords[] = {"Name", "Difficulty", "Time", "Moves"};

const ScoreTable DefaultTileSwap{{{"Marbleowl", 10, 318, 1111},
                                  {"Quenby", 9, 210, 854},
                                  {"Marbleowl", 8, 192, 465},
                                  {"Marbleowl", 7, 164, 251},
                                  {"Quenby", 6, 124, 110},
                                  {"Quenby", 5, 49, 36},
                                  {"Marbleowl", 4, 19, 15},
                                  {"Quenby", 4, 22, 18},
                                  {"Marbleowl", 3, 7, 5},
                                  {"Quenby", 3, 9, 7}}};

const ScoreTable DefaultSlider{{{"Quenby", 10, 1124, 1754},
                                {"Quenby", 9, 889, 1200},
                                {"Marbleowl", 8, 714, 721},
                                {"Marbleowl", 7, 578, 589},
                                {"Quenby", 6, 356, 303},
                                {"Quenby", 5, 209, 285},
                                {"Marbleowl", 4, 117, 154},
                                {"Quenby", 4, 128, 159},
                                {"Marbleowl", 3, 58, 11},
                                {"Quenby", 3, 62, 19}}};

QString key(const char* word, int row)
{
    return QLatin1String(word) + QString::number(row);
}

const ScoreTable& defaults(int mode)
{
    return mode == 0 ? DefaultTileSwap : DefaultSlider;
}

// A stored number, complemented back; a missing one reads as NOT 999. Nothing when the
// value is there but is no number.
std::optional<int> storedNumber(const ProfileStore& profile, const QString& section,
                                const QString& key)
{
    if (!profile.contains(section, key))
        return ~NotStored;
    const std::optional<int> stored = profile.readNumber(section, key);
    return stored ? std::optional<int>(~*stored) : std::nullopt;
}

// A count a row can hold: one a game makes, or what a missing key reads as.
bool isCount(const std::optional<int>& count)
{
    return count && (*count >= 0 || *count == ~NotStored);
}

// A row as stored; nothing when its difficulty is missing or no grid size, or one of its
// numbers damaged or beyond what a game can make.
std::optional<ScoreEntry> storedRow(const ProfileStore& profile, const QString& section, int row)
{
    // Missing or stored as 999, a difficulty reads as NOT 999 alike.
    const std::optional<int> difficulty = storedNumber(profile, section, key("Difficulty", row));
    const std::optional<int> moves = storedNumber(profile, section, key("Moves", row));
    const std::optional<int> time = storedNumber(profile, section, key("Time", row));
    if (!difficulty || *difficulty < 3 || *difficulty > 10 || !isCount(moves) || !isCount(time))
        return std::nullopt;
    return ScoreEntry{profile.readText(section, key("Name", row), QString()), *difficulty, *moves,
                      *time};
}

// Neither table holds a single key of its rows: the very first run.
bool neverWritten(const ProfileStore& profile)
{
    for (const QString& section : Sections)
        for (int row = 0; row < 10; ++row)
            for (const char* word : RowWords)
                if (profile.contains(section, key(word, row)))
                    return false;
    return true;
}

bool ranksAbove(const ScoreEntry& a, const ScoreEntry& b)
{
    if (a.difficulty != b.difficulty)
        return a.difficulty > b.difficulty;
    if (a.time != b.time)
        return a.time < b.time;
    return a.moves < b.moves;
}

} // namespace

const QString ScoreTables::PlayerNameKey = QStringLiteral("PlayerName");

void ScoreTables::setDefaults(ProfileStore& profile)
{
    tileSwap_ = defaults(0);
    slider_ = defaults(1);
    save(profile);
}

void ScoreTables::save(ProfileStore& profile) const
{
    for (int row = 0; row < 10; ++row) {
        for (int mode = 0; mode < 2; ++mode) {
            const ScoreEntry& entry = table(mode)[row];
            profile.writeText(Sections[mode], key("Name", row), entry.name);
            profile.writeInt(Sections[mode], key("Difficulty", row), ~entry.difficulty);
            profile.writeInt(Sections[mode], key("Time", row), ~entry.time);
            profile.writeInt(Sections[mode], key("Moves", row), ~entry.moves);
        }
    }
    profile.sync();
}

void ScoreTables::load(ProfileStore& profile)
{
    profile.sync(); // see what another copy of the game may have saved meanwhile
    if (neverWritten(profile)) {
        setDefaults(profile);
        return;
    }
    for (int mode = 0; mode < 2; ++mode)
        for (int row = 0; row < 10; ++row)
            rows(mode)[row] = storedRow(profile, Sections[mode], row).value_or(defaults(mode)[row]);
}

bool ScoreTables::qualifies(int mode, int difficulty, int time, int moves) const
{
    return ranksAbove({QString(), difficulty, moves, time}, table(mode)[9]);
}

void ScoreTables::insert(int mode, const ScoreEntry& entry)
{
    ScoreTable& table = rows(mode);
    int at = 0;
    while (at < 10 && !ranksAbove(entry, table[at]))
        ++at;
    if (at == 10)
        return;
    std::move_backward(table.begin() + at, table.end() - 1, table.end());
    table[at] = entry;
}

bool ScoreTables::record(ProfileStore& profile, int mode, const ScoreEntry& entry)
{
    bool recorded = false;
    profile.runLocked([&] {
        load(profile);
        if (!qualifies(mode, entry.difficulty, entry.time, entry.moves))
            return;
        insert(mode, entry);
        save(profile);
        recorded = true;
    });
    return recorded;
}

QString difficultyName(int n)
{
    static const char* const names[] = {QT_TRANSLATE_NOOP("ScoreTables", "Beginner"),
                                        QT_TRANSLATE_NOOP("ScoreTables", "Novice"),
                                        QT_TRANSLATE_NOOP("ScoreTables", "Amateur"),
                                        QT_TRANSLATE_NOOP("ScoreTables", "Seasoned"),
                                        QT_TRANSLATE_NOOP("ScoreTables", "Expert"),
                                        QT_TRANSLATE_NOOP("ScoreTables", "Pro"),
                                        QT_TRANSLATE_NOOP("ScoreTables", "Ace"),
                                        QT_TRANSLATE_NOOP("ScoreTables", "Grandmaster")};
    return n >= 3 && n <= 10 ? QCoreApplication::translate("ScoreTables", names[n - 3]) : QString();
}
