// GameSession: the rules of a run that need no window: which picture a command loads, what a
// gift, an archive or a kept game allows, what a won game earns and what leaving keeps.
#include "gamesession.h"

#include "gift/giftfile.h"
#include "keptgame.h"
#include "platform/profilestore.h"
#include "settings.h"

#include <QDir>
#include <QFileInfo>

GameSession::GameSession(ProfileStore& profile, RandomEngine& random, SoundPlayer& sounds,
                         const Clock& clock, const QString& firstFolder)
    : profile_(profile)
    , loader_(random)
    , flow_(settings_, random, sounds, clock)
{
    loadSettings(settings_, profile_, firstFolder);
}

std::optional<PictureRequest> GameSession::giftRequest(const QString& programPath)
{
    std::optional<GiftPayload> gift = readGift(programPath);
    if (!gift)
        return std::nullopt;
    if (gift->modeByte == 0 || gift->modeByte == 1)
        settings_.puzzleMode = puzzleModeFromSetting(gift->modeByte);
    // Served from memory, so nothing of the gift is left behind however the game ends.
    return loader_.giftRequest(std::move(gift->picture));
}

std::optional<UnshownPicture> GameSession::open(const QString& path, int zipIndex, int zipCount,
                                                const PictureFit& fit)
{
    PictureRequest request = openRequest(path, zipIndex, zipCount);
    FetchedPicture fetched = fetchPicture(request, fit);
    return showOpened(std::move(request), std::move(fetched));
}

PictureRequest GameSession::openRequest(const QString& path, int zipIndex, int zipCount)
{
    return loader_.openRequest(path, zipIndex, zipCount);
}

std::optional<UnshownPicture> GameSession::showOpened(PictureRequest request,
                                                      FetchedPicture fetched)
{
    std::optional<UnshownPicture> unshown = loader_.show(std::move(request), std::move(fetched));
    settings_.folder = QFileInfo(loader_.source().picturePath).absolutePath();
    return unshown;
}

QString GameSession::openFolder() const
{
    const PictureSource& shown = loader_.source();
    const QFileInfo picture(shown.picturePath);
    if (!shown.defaultPictureShown && shown.giftPicture.isEmpty() && picture.isAbsolute() &&
        picture.dir().exists())
        return picture.absolutePath();
    if (!settings_.folder.isEmpty() && QDir(settings_.folder).exists())
        return settings_.folder;
    return {};
}

std::optional<GameResult> GameSession::scoreboardResult() const
{
    const Round& round = flow_.round();
    if (round.hints > 0)
        return std::nullopt;
    return GameResult{storedPuzzleMode(round.board.mode()), round.board.dimension(), round.moves,
                      static_cast<int>(round.elapsed)};
}

bool GameSession::hasKeptGame() const
{
    return anyKeptGame(profile_);
}

std::optional<KeptGame> GameSession::newestKeptGame()
{
    profile_.sync(); // what another copy kept meanwhile
    std::vector<KeptGame> games = readKeptGames(profile_);
    if (games.empty())
        return std::nullopt;
    return std::move(games.front());
}

PictureRequest GameSession::keptRequest(const KeptGame& kept) const
{
    return loader_.keptRequest(kept.picturePath, kept.zipIndex, kept.builtIn);
}

Resumption GameSession::resume(const KeptGame& kept, PictureRequest request, FetchedPicture fetched)
{
    const std::optional<KeptGame> underWay = gameUnderWay();
    if (const std::optional<UnshownPicture> unshown =
            loader_.showKept(std::move(request), std::move(fetched))) {
        // It could never be resumed, and would stand before every game kept after it.
        dropKeptGame(profile_, kept);
        return {Resumption::Outcome::PictureGone, kept.picturePath, unshown->why};
    }
    keepGamesWith(profile_, settings_, underWay, kept);
    flow_.resume(kept.game);
    settings_.puzzleMode = kept.game.board.mode();
    settings_.dimension = kept.game.board.dimension();
    return {Resumption::Outcome::Resumed, kept.picturePath, {}};
}

std::optional<KeptGame> GameSession::gameUnderWay() const
{
    const std::optional<UnfinishedGame> game = flow_.unfinished();
    if (!game)
        return std::nullopt;
    const PictureSource& source = loader_.source();
    return KeptGame{source.picturePath, source.zipIndex, source.defaultPictureShown, *game};
}

bool GameSession::save()
{
    return keepGamesWith(profile_, settings_, gameUnderWay(), std::nullopt);
}
