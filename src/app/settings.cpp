// Settings: the player settings between their typed record and the profile's integers.
#include "settings.h"

#include "game/playersettings.h"
#include "platform/profilestore.h"
#include "platform/sections.h"

namespace {
const QString DimensionKey = QStringLiteral("Dimension");
const QString FolderKey = QStringLiteral("Folder");

GridColour gridColourFromStored(int stored)
{
    return stored == 1 ? GridColour::White : stored == 2 ? GridColour::Red : GridColour::Black;
}

SelectionColour selectionColourFromStored(int stored)
{
    return stored == 0   ? SelectionColour::Black
           : stored == 1 ? SelectionColour::Yellow
                         : SelectionColour::Red;
}

// One stored integer of the section: how it is read into the record and written from it.
struct IntSetting {
    const char* key;
    void (*read)(PlayerSettings& settings, int stored);
    int (*write)(const PlayerSettings& settings);
};

template <bool PlayerSettings::*Switch> constexpr IntSetting switchSetting(const char* key)
{
    return {key, [](PlayerSettings& s, int stored) { s.*Switch = stored != 0; },
            [](const PlayerSettings& s) {
                return s.*Switch ? 1 : 0;
            }};
}

// The enumerators' order is their stored numbering.
template <auto Choice, auto fromStored> constexpr IntSetting choiceSetting(const char* key)
{
    return {key, [](PlayerSettings& s, int stored) { s.*Choice = fromStored(stored); },
            [](const PlayerSettings& s) {
                return static_cast<int>(s.*Choice);
            }};
}

constexpr IntSetting IntSettings[] = {
    switchSetting<&PlayerSettings::grid>("Grid"),
    choiceSetting<&PlayerSettings::gridColour, gridColourFromStored>("GridColour"),
    choiceSetting<&PlayerSettings::selColour, selectionColourFromStored>("SelColour"),
    switchSetting<&PlayerSettings::sound>("Sound"),
    choiceSetting<&PlayerSettings::puzzleMode, puzzleModeFromSetting>("PuzzleMode"),
    switchSetting<&PlayerSettings::statusBar>("StatusBar"),
    switchSetting<&PlayerSettings::tileNumbers>("TileNumbers"),
    switchSetting<&PlayerSettings::animations>("Animations"),
};

bool isBoardSize(int n)
{
    return n >= Board::MinDimension && n <= Board::MaxDimension;
}
} // namespace

void loadSettings(PlayerSettings& settings, ProfileStore& profile, const QString& firstFolder)
{
    const PlayerSettings defaults;
    if (!profile.contains(SettingsSection, DimensionKey)) {
        settings = defaults;
        settings.folder = firstFolder;
        saveSettings(settings, profile);
        return;
    }
    const int dimension = profile.readInt(SettingsSection, DimensionKey, defaults.dimension);
    settings.dimension = isBoardSize(dimension) ? dimension : defaults.dimension;
    for (const IntSetting& setting : IntSettings)
        setting.read(settings, profile.readInt(SettingsSection, QLatin1String(setting.key),
                                               setting.write(defaults)));
    settings.folder = profile.readText(SettingsSection, FolderKey, QString());
}

bool saveSettings(const PlayerSettings& settings, ProfileStore& profile)
{
    profile.writeInt(SettingsSection, DimensionKey, settings.dimension);
    for (const IntSetting& setting : IntSettings)
        profile.writeInt(SettingsSection, QLatin1String(setting.key), setting.write(settings));
    profile.writeText(SettingsSection, FolderKey, settings.folder);
    return profile.sync();
}
