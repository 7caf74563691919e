// Kept games: the unfinished games the profile keeps between runs, newest first, in the
// sections "Resume", "Resume2" ... "Resume5".
#include "keptgame.h"

#include "platform/profilestore.h"
#include "platform/sections.h"
#include "settings.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <limits>

namespace {
// The section of the kept game at that place, 0 the newest.
QString sectionAt(int place)
{
    return place == 0 ? ResumeSection : ResumeSection + QString::number(place + 1);
}
const QString PictureKey = QStringLiteral("Picture");
const QString ZipIndexKey = QStringLiteral("ZipIndex");
const QString BuiltInKey = QStringLiteral("BuiltIn");
const QString ModeKey = QStringLiteral("PuzzleMode");
const QString DimensionKey = QStringLiteral("Dimension");
const QString BoardKey = QStringLiteral("Board");
const QString JumbleKey = QStringLiteral("Jumble");
const QString MovesKey = QStringLiteral("Moves");
const QString ElapsedKey = QStringLiteral("Elapsed");
const QString HintsKey = QStringLiteral("Hints");
const QString HistoryKey = QStringLiteral("History");

// Tiles in reading order, the hole as -1, separated by spaces.
QString tilesText(const Board& board)
{
    QStringList numbers;
    for (const int tile : board.tiles())
        numbers << QString::number(tile);
    return numbers.join(QLatin1Char(' '));
}

// Each move as its two cells' places in reading order: "from-to", separated by spaces.
QString historyText(const std::vector<Move>& moves, const Board& board)
{
    QStringList texts;
    for (const Move& move : moves)
        texts << QStringLiteral("%1-%2")
                     .arg(board.homeNumber(move.from))
                     .arg(board.homeNumber(move.to));
    return texts.join(QLatin1Char(' '));
}

// The moves of a history that Undo can follow from the board back towards the jumble, and
// all the way to it when they are every move of the game; nothing for any other.
std::vector<Move> historyFrom(const QString& text, const UnfinishedGame& game)
{
    const Board& board = game.board;
    std::vector<Move> moves;
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList cells = pair.split(QLatin1Char('-'));
        bool fromOk = false;
        bool toOk = false;
        const int from = cells.size() == 2 ? cells[0].toInt(&fromOk) : 0;
        const int to = cells.size() == 2 ? cells[1].toInt(&toOk) : 0;
        if (!fromOk || !toOk || from < 0 || to < 0 || from >= board.cellCount() ||
            to >= board.cellCount() ||
            static_cast<int>(moves.size()) >= std::min(MaxKeptMoves, game.moves))
            return {};
        moves.push_back({board.mode(), board.homeCell(from), board.homeCell(to)});
    }
    const std::optional<Board> start = takenBack(board, moves);
    if (!start || (static_cast<int>(moves.size()) == game.moves && *start != game.jumbled))
        return {};
    return moves;
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
std::optional<int> numberIn(const ProfileStore& profile, const QString& section, const QString& key,
                            int low, int high)
{
    const std::optional<int> number = profile.readNumber(section, key);
    return number && *number >= low && *number <= high ? number : std::nullopt;
}
void writeKept(ProfileStore& profile, const QString& section, const KeptGame& kept)
{
    const UnfinishedGame& game = kept.game;
    profile.writeText(section, PictureKey, kept.picturePath);
    profile.writeInt(section, ZipIndexKey, kept.zipIndex);
    profile.writeInt(section, BuiltInKey, kept.builtIn ? 1 : 0);
    profile.writeInt(section, ModeKey, storedPuzzleMode(game.board.mode()));
    profile.writeInt(section, DimensionKey, game.board.dimension());
    profile.writeText(section, BoardKey, tilesText(game.board));
    profile.writeText(section, JumbleKey, tilesText(game.jumbled));
    profile.writeInt(section, MovesKey, game.moves);
    profile.writeInt(section, ElapsedKey,
                     static_cast<int>(std::clamp<std::int64_t>(game.elapsed, 0, MaxGameSeconds)));
    profile.writeInt(section, HintsKey, game.hints);
    profile.writeText(section, HistoryKey, historyText(game.history, game.board));
}

enum class History { Read, Passed };

std::optional<KeptGame> readKept(const ProfileStore& profile, const QString& section,
                                 History history)
{
    constexpr int Most = std::numeric_limits<int>::max();
    const std::optional<int> mode = numberIn(profile, section, ModeKey, 0, 1);
    const std::optional<int> n =
        numberIn(profile, section, DimensionKey, Board::MinDimension, Board::MaxDimension);
    const std::optional<int> moves = numberIn(profile, section, MovesKey, 0, MaxMoves);
    const std::optional<int> elapsed =
        numberIn(profile, section, ElapsedKey, 0, static_cast<int>(MaxGameSeconds));
    const std::optional<int> builtIn = numberIn(profile, section, BuiltInKey, 0, 1);
    // Kept before hints were counted: none.
    const std::optional<int> hints =
        profile.contains(section, HintsKey) ? numberIn(profile, section, HintsKey, 0, MaxMoves) : 0;
    const std::optional<int> zipIndex = numberIn(profile, section, ZipIndexKey, 0, Most);
    const QString picture = profile.readText(section, PictureKey, QString());
    if (!mode || !n || !moves || !elapsed || !builtIn || !zipIndex || !hints ||
        (picture.isEmpty() && *builtIn == 0))
        return std::nullopt;
    const PuzzleMode puzzleMode = puzzleModeFromSetting(*mode);
    const std::optional<Board> board =
        boardFrom(profile.readText(section, BoardKey, QString()), puzzleMode, *n);
    const std::optional<Board> jumbled =
        boardFrom(profile.readText(section, JumbleKey, QString()), puzzleMode, *n);
    if (!board || !jumbled)
        return std::nullopt;
    KeptGame kept{picture, *zipIndex, *builtIn == 1,
                  UnfinishedGame{*board, *jumbled, *moves, *elapsed, *hints, {}}};
    // A damaged history is dropped: the game goes on without moves to take back.
    if (history == History::Read)
        kept.game.history =
            historyFrom(profile.readText(section, HistoryKey, QString()), kept.game);
    return kept;
}

} // namespace

std::vector<KeptGame> readKeptGames(const ProfileStore& profile)
{
    std::vector<KeptGame> games;
    for (int place = 0; place < MostKeptGames; ++place)
        if (std::optional<KeptGame> kept = readKept(profile, sectionAt(place), History::Read))
            games.push_back(std::move(*kept));
    return games;
}

bool anyKeptGame(const ProfileStore& profile)
{
    for (int place = 0; place < MostKeptGames; ++place)
        if (readKept(profile, sectionAt(place), History::Passed))
            return true;
    return false;
}

void keepGames(ProfileStore& profile, const std::vector<KeptGame>& games)
{
    // "Resume" and a number: what no Resume reaches beyond the five places.
    static const QRegularExpression keptSection(
        QRegularExpression::anchoredPattern(ResumeSection + QStringLiteral("[0-9]*")));
    for (const QString& section : profile.sections())
        if (keptSection.match(section).hasMatch())
            profile.removeSection(section);
    for (int place = 0; place < std::min(MostKeptGames, static_cast<int>(games.size())); ++place)
        writeKept(profile, sectionAt(place), games[static_cast<std::size_t>(place)]);
}

namespace {
// The kept games as stored now, less the one taken, with the newest first, written with
// whatever else the step writes, in one step under the profile's lock.
bool changeKeptGames(ProfileStore& profile, const std::optional<KeptGame>& newest,
                     const std::optional<KeptGame>& taken, const std::function<bool()>& write)
{
    bool saved = false;
    profile.runLocked([&] {
        profile.sync();
        std::vector<KeptGame> games = readKeptGames(profile);
        if (taken)
            std::erase(games, *taken);
        if (newest)
            games.insert(games.begin(), *newest);
        keepGames(profile, games);
        saved = write();
    });
    return saved;
}
} // namespace

bool keepGamesWith(ProfileStore& profile, const PlayerSettings& settings,
                   const std::optional<KeptGame>& newest, const std::optional<KeptGame>& taken)
{
    return changeKeptGames(profile, newest, taken, [&] { return saveSettings(settings, profile); });
}

bool dropKeptGame(ProfileStore& profile, const KeptGame& game)
{
    return changeKeptGames(profile, std::nullopt, game, [&] { return profile.sync(); });
}
