// Settings: the player settings between GameState and the profile.
#pragma once

struct GameState;
class ProfileStore;

// Reads the "Settings" section. A profile without "Dimension" is a first run: the defaults
// are applied and written at once, the folder being the one the state starts with (the
// program's, or the installed sample pictures'), else the program's. A stored board size
// that is no number or lies outside 3..10 is read as 4; nothing else is range-checked.
void loadSettings(GameState& state, ProfileStore& profile);

// Writes all the settings; false when the profile could not be written.
bool saveSettings(const GameState& state, ProfileStore& profile);

// A switched setting after its toggle: 0 becomes 1 and anything else 0, so no stored value
// can overflow or get stuck on.
constexpr int toggled(int value)
{
    return value == 0 ? 1 : 0;
}
