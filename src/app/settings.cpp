// Settings: the player settings between GameState and the profile.
#include "settings.h"

#include "game/gamestate.h"
#include "platform/profilestore.h"

namespace {
const QString Section = QStringLiteral("Settings");
const QString DimensionKey = QStringLiteral("Dimension");
const QString FolderKey = QStringLiteral("Folder");

constexpr int DefaultDimension = 4;

struct IntSetting {
    const char* key;
    int GameState::*field;
    int fallback; // written on first run and used when the key alone is missing
};

constexpr IntSetting IntSettings[] = {
    {"Grid", &GameState::grid, 1},
    {"GridColour", &GameState::gridColour, 0},
    {"SelColour", &GameState::selColour, 1},
    {"Sound", &GameState::sound, 1},
    {"PuzzleMode", &GameState::puzzleMode, 0},
    {"StatusBar", &GameState::statusBar, 1},
    {"TileNumbers", &GameState::tileNumbers, 0},
};

bool isBoardSize(int n)
{
    return n >= Board::MinDimension && n <= Board::MaxDimension;
}
} // namespace

void loadSettings(GameState& state, ProfileStore& profile)
{
    if (!profile.contains(Section, DimensionKey)) {
        state.dimension = DefaultDimension;
        for (const IntSetting& setting : IntSettings)
            state.*setting.field = setting.fallback;
        state.folder = state.folder.isEmpty() ? state.programFolder : state.folder;
        saveSettings(state, profile);
        return;
    }
    const int dimension = profile.readInt(Section, DimensionKey, DefaultDimension);
    state.dimension = isBoardSize(dimension) ? dimension : DefaultDimension;
    for (const IntSetting& setting : IntSettings)
        state.*setting.field =
            profile.readInt(Section, QLatin1String(setting.key), setting.fallback);
    state.folder = profile.readText(Section, FolderKey, QString());
}

bool saveSettings(const GameState& state, ProfileStore& profile)
{
    profile.writeInt(Section, DimensionKey, state.dimension);
    for (const IntSetting& setting : IntSettings)
        profile.writeInt(Section, QLatin1String(setting.key), state.*setting.field);
    profile.writeText(Section, FolderKey, state.folder);
    return profile.sync();
}
