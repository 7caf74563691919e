// Score tables: the two ten-row scoreboards, their ranking and their place in the profile.
#pragma once

#include <QString>
#include <array>

class ProfileStore;

struct ScoreEntry {
    QString name;
    int difficulty = 0; // the grid size N
    int moves = 0;
    int time = 0; // seconds
    friend bool operator==(const ScoreEntry&, const ScoreEntry&) = default;
};

// What a finished puzzle achieved.
struct GameResult {
    int mode = 0; // 0 tile swap, anything else the slider
    int dimension = 4;
    int moves = 0;
    int seconds = 0;
};

// Row 0 is the best. A larger grid ranks higher; then less time; then fewer moves.
using ScoreTable = std::array<ScoreEntry, 10>;

// The tile-swap table (mode 0) and the slider table (any other mode), kept in the profile
// sections "Scores" and "SliderScores" with every number stored as its bitwise complement.
class ScoreTables {
public:
    // The profile key, in "Scores", of the name the last qualifying player typed.
    static const QString PlayerNameKey;

    // Both tables set to the default rows, which are then saved.
    void setDefaults(ProfileStore& profile);
    void save(ProfileStore& profile) const;
    // Reads both tables as they are on disk now. Only on the very first run, when neither
    // table holds a single key of its rows, are the defaults written. Otherwise a row whose
    // difficulty is missing or not a grid size of 3 to 10, or one of whose numbers is damaged
    // or negative, reads as the default table's row at its place, and nothing is written: a
    // missing time or move count alone reads as -1000.
    void load(ProfileStore& profile);

    // Whether a result ranks strictly above row 9 of the mode's table.
    bool qualifies(int mode, int difficulty, int time, int moves) const;
    // Places a qualifying entry behind every row it equals; row 9 falls off.
    void insert(int mode, const ScoreEntry& entry);

    // Records a result against the tables as stored right now, so that a score another
    // copy of the game saved a moment ago is kept: load, insert if the result still
    // qualifies, save, as one step under the store's lock. False when it no longer
    // qualifies and nothing was written.
    bool record(ProfileStore& profile, int mode, const ScoreEntry& entry);

    const ScoreTable& table(int mode) const { return mode == 0 ? tileSwap_ : slider_; }

private:
    ScoreTable& rows(int mode) { return mode == 0 ? tileSwap_ : slider_; }

    ScoreTable tileSwap_;
    ScoreTable slider_;
};

// "Beginner" for 3 up to "Grandmaster" for 10; empty for any other size.
QString difficultyName(int n);
