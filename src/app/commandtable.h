// Command table: every command of the menus, shortcuts and toolbar, as data.
#pragma once

#include <vector>

class MainFrame;

// The numbers each command is known by, as menus, shortcuts and buttons send them.
enum class CommandId {
    Separator = 0, // not a command: a line between menu items
    New = 40001,
    About = 40002,
    Exit = 40003,
    Jumble = 40004,
    ShowSolution = 40005,
    SolveForMe = 40008,
    Grid = 40009,
    PuzzleDifficulty = 40010,
    Size3 = 40011,
    Size4 = 40012,
    Size5 = 40013,
    Size6 = 40014,
    Size7 = 40015,
    Size8 = 40016,
    Size9 = 40017,
    Size10 = 40018,
    TileSwap = 40024,
    Slider = 40025,
    GridBlack = 40026,
    GridWhite = 40027,
    GridRed = 40028,
    Sound = 40029,
    Help = 40030,
    Scoreboard = 40031,
    NewFromZip = 40032,
    NewFromFolder = 40033,
    SelectionBlack = 40037,
    SelectionYellow = 40038,
    SelectionRed = 40039,
    MakeGift = 40040,
    Undo = 40041,
    Redo = 40042,
    Restart = 40043,
    StatusBar = 40044,
    TileNumbers = 40045,
    ResumeLast = 40046,
    Hint = 40047,
    Peek = 40048,
    Animations = 40049,
    FullScreen = 40050,
    Open = 57601,
    Toolbar = 59392,
};

// How a command's key is used: pressed, as a shortcut of the window; or held down, handled by
// the board itself, the menu only naming the key.
enum class KeyUse { Pressed, Held };

struct Command {
    CommandId id;
    const char* text;                        // in the context "Command"; menus add the shortcut
    const char* shortcut;                    // key sequences split by "; ", or nullptr
    void (*run)(MainFrame& frame);           // what the command does
    bool (*checked)(const MainFrame& frame); // when its menu item is ticked; nullptr: never
    bool (*enabled)(const MainFrame& frame) = nullptr; // when it can be chosen; nullptr: always
    KeyUse keyUse = KeyUse::Pressed;
};

// A menu: its items in order, a submenu being a title followed by its commands.
struct MenuItem {
    CommandId command = CommandId::Separator;
    const char* submenu = nullptr;
    std::vector<CommandId> submenuItems = {};
};

// Titles are in the context "Menu".
struct Menu {
    const char* title;
    std::vector<MenuItem> items;
};

// The window's command handlers are private to it and to this table.
const std::vector<Command>& commandTable();
const std::vector<Menu>& menuBarLayout();
// The table's entry for the id; nullptr for an id that is not a command.
const Command* findCommand(CommandId id);
