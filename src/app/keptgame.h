// Kept games: the unfinished games the profile keeps between runs, newest first, in the
// sections "Resume", "Resume2" ... "Resume5".
#pragma once

#include "game/gameflow.h"

#include <QString>
#include <optional>
#include <vector>

class ProfileStore;
struct PlayerSettings;

struct KeptGame {
    QString picturePath; // the picture file or the archive, as the game had it
    int zipIndex = 0;    // the picture's position in an archive
    bool builtIn = false;
    UnfinishedGame game;
    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

// Up to this many unfinished games are kept, newest first.
constexpr int MostKeptGames = 5;

// The kept games, newest first, each sound: a size of 3..10, a board and a jumble the mode
// can reach (a slider position that slides can solve), counters not negative nor beyond
// where a game's counters stop (MaxMoves, MaxGameSeconds), a picture named. A damaged
// record is passed over; a damaged history of moves is dropped, the game kept without it.
std::vector<KeptGame> readKeptGames(const ProfileStore& profile);
// Whether any sound record is kept, its moves to take back not looked at.
bool anyKeptGame(const ProfileStore& profile);
// Replaces whatever was kept with the games (the first MostKeptGames of them, every key
// written), and drops any other "Resume" section a damaged file holds; written at the next
// sync.
void keepGames(ProfileStore& profile, const std::vector<KeptGame>& games);

// The kept games as stored now, less the one taken up, with the newest first, and the
// settings, written in one step under the profile's lock, so that what another copy kept
// stays kept. False when the profile could not be written.
bool keepGamesWith(ProfileStore& profile, const PlayerSettings& settings,
                   const std::optional<KeptGame>& newest, const std::optional<KeptGame>& taken);
// The kept games as stored now, less that one, in one step under the profile's lock; the
// settings are left as they are. False when the profile could not be written.
bool dropKeptGame(ProfileStore& profile, const KeptGame& game);
