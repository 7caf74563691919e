// Settings: the player settings between their typed record and the profile's integers.
#pragma once

#include <QString>

struct PlayerSettings;
class ProfileStore;

// Reads the "Settings" section. A profile without "Dimension" is a first run: the defaults
// are applied and written at once, the folder being the given first folder. A stored board
// size that is no number or lies outside 3..10 is read as 4; a switch is on unless stored
// as 0; a colour or mode number unknown plays as it always has (grid black, selection red,
// the slider), and the menus tick that choice.
void loadSettings(PlayerSettings& settings, ProfileStore& profile, const QString& firstFolder);

// Writes all the settings; false when the profile could not be written.
bool saveSettings(const PlayerSettings& settings, ProfileStore& profile);
