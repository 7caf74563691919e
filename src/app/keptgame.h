// Kept game: the unfinished game the profile keeps between runs, in its "Resume" section.
#pragma once

#include "game/gameflow.h"

#include <QString>
#include <optional>

class ProfileStore;

struct KeptGame {
    QString picturePath; // the picture file or the archive, as the game had it
    int zipIndex = 0;    // the picture's position in an archive
    bool builtIn = false;
    UnfinishedGame game;
};

// Replaces whatever was kept (every key is written); written at the next sync.
void keepGame(ProfileStore& profile, const KeptGame& kept);
// The kept game, when there is one and every part of it is sound: a size of 3..10, a board
// and a jumble the mode can reach (a slider position that slides can solve), counters not
// negative nor beyond where a game's counters stop (MaxMoves, MaxGameSeconds), a picture
// named. Nothing otherwise.
std::optional<KeptGame> readKeptGame(const ProfileStore& profile);
void forgetKeptGame(ProfileStore& profile);
