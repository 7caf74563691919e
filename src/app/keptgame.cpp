// Kept game: the unfinished game the profile keeps between runs, in its "Resume" section.
#include "keptgame.h"

#include "platform/profilestore.h"
#include "platform/sections.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace {
const QString& Section = ResumeSection;
const QString PictureKey = QStringLiteral("Picture");
const QString ZipIndexKey = QStringLiteral("ZipIndex");
const QString BuiltInKey = QStringLiteral("BuiltIn");
const QString ModeKey = QStringLiteral("PuzzleMode");
const QString DimensionKey = QStringLiteral("Dimension");
const QString BoardKey = QStringLiteral("Board");
const QString JumbleKey = QStringLiteral("Jumble");
const QString MovesKey = QStringLiteral("Moves");
const QString ElapsedKey = QStringLiteral("Elapsed");

// Tiles in reading order, the hole as -1, separated by spaces.
QString tilesText(const Board& board, int n)
{
    QStringList numbers;
    for (const int tile : board.tiles(n))
        numbers << QString::number(tile);
    return numbers.join(QLatin1Char(' '));
}

std::optional<Board> boardFrom(const QString& text, PuzzleMode mode, int n)
{
    std::vector<int> tiles;
    for (const QString& number : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        tiles.push_back(number.toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return Board::fromTiles(mode, n, tiles);
}

// A stored number within the bounds; nothing for anything else.
std::optional<int> numberIn(const ProfileStore& profile, const QString& key, int low, int high)
{
    const std::optional<int> number = profile.readNumber(Section, key);
    return number && *number >= low && *number <= high ? number : std::nullopt;
}
} // namespace

void keepGame(ProfileStore& profile, const KeptGame& kept)
{
    const UnfinishedGame& game = kept.game;
    profile.writeText(Section, PictureKey, kept.picturePath);
    profile.writeInt(Section, ZipIndexKey, kept.zipIndex);
    profile.writeInt(Section, BuiltInKey, kept.builtIn ? 1 : 0);
    profile.writeInt(Section, ModeKey, storedPuzzleMode(game.mode));
    profile.writeInt(Section, DimensionKey, game.dimension);
    profile.writeText(Section, BoardKey, tilesText(game.board, game.dimension));
    profile.writeText(Section, JumbleKey, tilesText(game.jumbled, game.dimension));
    profile.writeInt(Section, MovesKey, game.moves);
    profile.writeInt(Section, ElapsedKey,
                     static_cast<int>(std::clamp<std::int64_t>(game.elapsed, 0, MaxGameSeconds)));
}

std::optional<KeptGame> readKeptGame(const ProfileStore& profile)
{
    constexpr int Most = std::numeric_limits<int>::max();
    const std::optional<int> mode = numberIn(profile, ModeKey, 0, 1);
    const std::optional<int> n =
        numberIn(profile, DimensionKey, Board::MinDimension, Board::MaxDimension);
    const std::optional<int> moves = numberIn(profile, MovesKey, 0, MaxMoves);
    const std::optional<int> elapsed =
        numberIn(profile, ElapsedKey, 0, static_cast<int>(MaxGameSeconds));
    const std::optional<int> builtIn = numberIn(profile, BuiltInKey, 0, 1);
    const std::optional<int> zipIndex = numberIn(profile, ZipIndexKey, 0, Most);
    const QString picture = profile.readText(Section, PictureKey, QString());
    if (!mode || !n || !moves || !elapsed || !builtIn || !zipIndex ||
        (picture.isEmpty() && *builtIn == 0))
        return std::nullopt;
    const PuzzleMode puzzleMode = puzzleModeFromSetting(*mode);
    const std::optional<Board> board =
        boardFrom(profile.readText(Section, BoardKey, QString()), puzzleMode, *n);
    const std::optional<Board> jumbled =
        boardFrom(profile.readText(Section, JumbleKey, QString()), puzzleMode, *n);
    if (!board || !jumbled)
        return std::nullopt;
    return KeptGame{picture, *zipIndex, *builtIn == 1,
                    UnfinishedGame{puzzleMode, *n, *board, *jumbled, *moves, *elapsed}};
}

void forgetKeptGame(ProfileStore& profile)
{
    profile.removeSection(Section);
}
