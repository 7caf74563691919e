// GameSession: the rules of a run that need no window: which picture a command loads, what a
// gift, an archive or a kept game allows, what a won game earns and what leaving keeps.
#pragma once

#include "game/gameflow.h"
#include "game/playersettings.h"
#include "game/puzzleloader.h"
#include "scores/scoretables.h"

#include <QString>
#include <optional>

struct KeptGame;
class Clock;
class ProfileStore;
class RandomEngine;
class SoundPlayer;

// How Resume last puzzle went, and the kept game's picture when that is gone, and why.
struct Resumption {
    enum class Outcome { Resumed, NothingKept, PictureGone };
    Outcome outcome = Outcome::NothingKept;
    QString picturePath;
    PictureLoad why;
};

// Owns the player's settings, the picture and the game under way. The window asks it and
// shows what it answers; nothing here shows anything.
class GameSession {
public:
    // Reads the settings; a first run's picture folder is the first folder. The services
    // must outlive the session.
    GameSession(ProfileStore& profile, RandomEngine& random, SoundPlayer& sounds,
                const Clock& clock, const QString& firstFolder);

    PlayerSettings& settings() { return settings_; }
    const PlayerSettings& settings() const { return settings_; }
    PuzzleLoader& loader() { return loader_; }
    const PuzzleLoader& loader() const { return loader_; }
    GameFlow& flow() { return flow_; }
    const GameFlow& flow() const { return flow_; }

    // A program file that carries a gift asks for the gift's picture, in the mode its byte
    // names (0 tile swap, 1 slider; any other leaves the setting); nothing for a plain program.
    std::optional<PictureRequest> giftRequest(const QString& programPath);
    // A picture file or archive as Open chose it; its folder becomes the picture folder.
    std::optional<UnshownPicture> open(const QString& path, int zipIndex, int zipCount,
                                       const PictureFit& fit);
    PictureRequest openRequest(const QString& path, int zipIndex, int zipCount);
    std::optional<UnshownPicture> showOpened(PictureRequest request, FetchedPicture fetched);
    // Where Open starts: the folder of the picture shown, else the picture folder; empty when
    // neither is there.
    QString openFolder() const;

    // What the game just won enters on the scoreboard; nothing when hints helped, as a game
    // with any goes on no scoreboard.
    std::optional<GameResult> scoreboardResult() const;

    // Whether the profile keeps an unfinished game, another copy's included.
    bool hasKeptGame() const;
    // Takes up the newest kept game: its picture, board, moves, hints and clock, the settings
    // set to its mode and size. It leaves the profile at once, so it can never be finished
    // twice, and the game it replaces is kept as the newest. One whose picture is gone is
    // dropped, so that the next Resume reaches the next; nothing else changes.
    // In three steps: the newest kept game (nothing when none is), the request for its
    // picture, and the game taken up once the picture is fetched.
    std::optional<KeptGame> newestKeptGame();
    PictureRequest keptRequest(const KeptGame& kept) const;
    Resumption resume(const KeptGame& kept, PictureRequest request, FetchedPicture fetched);

    bool hasGameUnderWay() const { return flow_.underWay(); }
    // Keeps the game under way beside those kept before and writes the settings; false when
    // the profile could not be written (its lastError() says why).
    bool save();

private:
    std::optional<KeptGame> gameUnderWay() const;

    ProfileStore& profile_;
    PlayerSettings settings_;
    PuzzleLoader loader_;
    GameFlow flow_;
};
