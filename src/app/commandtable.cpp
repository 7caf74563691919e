// Command table: every command of the menus, shortcuts and toolbar, as data.
#include "commandtable.h"

#include "game/gamestate.h"
#include "mainframe.h"

#include <QtGlobal>
#include <algorithm>

namespace {
// A command that sets one setting to a value, and the tick that shows it is set.
template <void (MainFrame::*Set)(int), int Value> void set(MainFrame& frame)
{
    (frame.*Set)(Value);
}
template <int GameState::*Setting, int Value> bool is(const GameState& state)
{
    return state.*Setting == Value;
}

template <int N> constexpr auto size = set<&MainFrame::setPuzzleSize, N>;
template <int N> constexpr auto isSize = is<&GameState::dimension, N>;
template <int C> constexpr auto grid = set<&MainFrame::setGridColour, C>;
template <int C> constexpr auto isGrid = is<&GameState::gridColour, C>;
template <int C> constexpr auto selection = set<&MainFrame::setSelectionColour, C>;
template <int C> constexpr auto isSelection = is<&GameState::selColour, C>;
template <int M> constexpr auto mode = set<&MainFrame::setPuzzleMode, M>;
template <int M> constexpr auto isMode = is<&GameState::puzzleMode, M>;

using Id = CommandId;
} // namespace

const std::vector<Command>& commandTable()
{
    static const std::vector<Command> table{
        {Id::New, QT_TRANSLATE_NOOP("Command", "&New"), "Ctrl+N",
         [](MainFrame& f) { f.newFromFolder(); }, nullptr},
        {Id::Open, QT_TRANSLATE_NOOP("Command", "&Open"), "Ctrl+O",
         [](MainFrame& f) { f.openPicture(); }, nullptr},
        {Id::NewFromFolder, QT_TRANSLATE_NOOP("Command", "From folder"), nullptr,
         [](MainFrame& f) { f.newFromFolder(); }, nullptr},
        {Id::NewFromZip, QT_TRANSLATE_NOOP("Command", "From Zip archive"), nullptr,
         [](MainFrame& f) { f.newFromZip(); }, nullptr},
        {Id::MakeGift, QT_TRANSLATE_NOOP("Command", "Make &gift"), nullptr,
         [](MainFrame& f) { f.makeGift(); }, nullptr},
        {Id::Exit, QT_TRANSLATE_NOOP("Command", "E&xit"), nullptr, [](MainFrame& f) { f.exit(); },
         nullptr},
        {Id::Jumble, QT_TRANSLATE_NOOP("Command", "&Jumble"), "Ctrl+J",
         [](MainFrame& f) { f.jumble(); }, nullptr},
        {Id::Grid, QT_TRANSLATE_NOOP("Command", "&Grid"), "Ctrl+G",
         [](MainFrame& f) { f.toggleGrid(); },
         [](const GameState& s) {
             return s.grid != 0;
         }},
        {Id::GridBlack, QT_TRANSLATE_NOOP("Command", "Black"), nullptr, grid<0>, isGrid<0>},
        {Id::GridWhite, QT_TRANSLATE_NOOP("Command", "White"), nullptr, grid<1>, isGrid<1>},
        {Id::GridRed, QT_TRANSLATE_NOOP("Command", "Red"), nullptr, grid<2>, isGrid<2>},
        {Id::SelectionBlack, QT_TRANSLATE_NOOP("Command", "Black"), nullptr, selection<0>,
         isSelection<0>},
        {Id::SelectionYellow, QT_TRANSLATE_NOOP("Command", "Yellow"), nullptr, selection<1>,
         isSelection<1>},
        {Id::SelectionRed, QT_TRANSLATE_NOOP("Command", "Red"), nullptr, selection<2>,
         isSelection<2>},
        {Id::ShowSolution, QT_TRANSLATE_NOOP("Command", "&Show solution"), "Ctrl+S",
         [](MainFrame& f) { f.showSolution(); }, nullptr},
        {Id::SolveForMe, QT_TRANSLATE_NOOP("Command", "Sol&ve for me"), nullptr,
         [](MainFrame& f) { f.solveForMe(); }, nullptr},
        {Id::Scoreboard, QT_TRANSLATE_NOOP("Command", "Scoreboard"), nullptr,
         [](MainFrame& f) { f.showScoreboard(); }, nullptr},
        {Id::Toolbar, QT_TRANSLATE_NOOP("Command", "&Toolbar"), nullptr,
         [](MainFrame& f) { f.toggleToolbar(); },
         [](const GameState& s) {
             return s.toolbarVisible;
         }},
        {Id::Size3, QT_TRANSLATE_NOOP("Command", "3 x 3"), nullptr, size<3>, isSize<3>},
        {Id::Size4, QT_TRANSLATE_NOOP("Command", "4 x 4"), nullptr, size<4>, isSize<4>},
        {Id::Size5, QT_TRANSLATE_NOOP("Command", "5 x 5"), nullptr, size<5>, isSize<5>},
        {Id::Size6, QT_TRANSLATE_NOOP("Command", "6 x 6"), nullptr, size<6>, isSize<6>},
        {Id::Size7, QT_TRANSLATE_NOOP("Command", "7 x 7"), nullptr, size<7>, isSize<7>},
        {Id::Size8, QT_TRANSLATE_NOOP("Command", "8 x 8"), nullptr, size<8>, isSize<8>},
        {Id::Size9, QT_TRANSLATE_NOOP("Command", "9 x 9"), nullptr, size<9>, isSize<9>},
        {Id::Size10, QT_TRANSLATE_NOOP("Command", "10 x 10"), nullptr, size<10>, isSize<10>},
        {Id::TileSwap, QT_TRANSLATE_NOOP("Command", "Tile swap"), nullptr, mode<0>, isMode<0>},
        {Id::Slider, QT_TRANSLATE_NOOP("Command", "Slider puzzle"), nullptr, mode<1>, isMode<1>},
        {Id::Help, QT_TRANSLATE_NOOP("Command", "Help"), nullptr,
         [](MainFrame& f) { f.showHelp(); }, nullptr},
        {Id::About, QT_TRANSLATE_NOOP("Command", "&About"), nullptr,
         [](MainFrame& f) { f.showAbout(); }, nullptr},
        {Id::Sound, QT_TRANSLATE_NOOP("Command", "Sound"), nullptr,
         [](MainFrame& f) { f.toggleSound(); },
         [](const GameState& s) {
             return s.sound != 0;
         }},
        {Id::Undo, QT_TRANSLATE_NOOP("Command", "&Undo"), "Ctrl+Z", [](MainFrame& f) { f.undo(); },
         nullptr},
        {Id::Redo, QT_TRANSLATE_NOOP("Command", "&Redo"), "Ctrl+Shift+Z; Ctrl+Y",
         [](MainFrame& f) { f.redo(); }, nullptr},
        {Id::Restart, QT_TRANSLATE_NOOP("Command", "Re&start"), nullptr,
         [](MainFrame& f) { f.restart(); }, nullptr},
        {Id::StatusBar, QT_TRANSLATE_NOOP("Command", "Status &bar"), nullptr,
         [](MainFrame& f) { f.toggleStatusBar(); },
         [](const GameState& s) {
             return s.statusBar != 0;
         }},
        {Id::TileNumbers, QT_TRANSLATE_NOOP("Command", "Tile &numbers"), nullptr,
         [](MainFrame& f) { f.toggleTileNumbers(); },
         [](const GameState& s) {
             return s.tileNumbers != 0;
         }},
        {Id::ResumeLast, QT_TRANSLATE_NOOP("Command", "&Resume last puzzle"), nullptr,
         [](MainFrame& f) { f.resumeLastPuzzle(); }, nullptr},
    };
    return table;
}

const std::vector<Menu>& menuBarLayout()
{
    static const std::vector<Menu> layout{
        // Additions follow what was always there, so no item moves within its menu.
        {QT_TRANSLATE_NOOP("Menu", "&File"),
         {{Id::New},
          {Id::Open},
          {Id::Separator},
          {Id::MakeGift},
          {Id::Separator},
          {Id::Exit},
          {Id::Separator},
          {Id::ResumeLast}}},
        {QT_TRANSLATE_NOOP("Menu", "&Game"),
         {{Id::Undo}, {Id::Redo}, {Id::Separator}, {Id::Restart}}},
        {QT_TRANSLATE_NOOP("Menu", "&View"),
         {{Id::Jumble},
          {Id::Separator},
          {Id::Grid},
          {Id::Separator,
           QT_TRANSLATE_NOOP("Menu", "Grid colour"),
           {Id::GridBlack, Id::GridWhite, Id::GridRed}},
          {Id::Separator,
           QT_TRANSLATE_NOOP("Menu", "Selection colour"),
           {Id::SelectionBlack, Id::SelectionYellow, Id::SelectionRed}},
          {Id::Separator},
          {Id::ShowSolution},
          {Id::SolveForMe},
          {Id::Separator},
          {Id::Scoreboard},
          {Id::Toolbar},
          {Id::StatusBar},
          {Id::Separator},
          {Id::TileNumbers}}},
        {QT_TRANSLATE_NOOP("Menu", "&Options"),
         {{Id::Separator,
           QT_TRANSLATE_NOOP("Menu", "Puzzle size"),
           {Id::Size3, Id::Size4, Id::Size5, Id::Size6, Id::Size7, Id::Size8, Id::Size9,
            Id::Size10}},
          {Id::Separator, QT_TRANSLATE_NOOP("Menu", "Puzzle mode"), {Id::TileSwap, Id::Slider}},
          {Id::Sound}}},
        {QT_TRANSLATE_NOOP("Menu", "&Help"), {{Id::Help}, {Id::About}}},
    };
    return layout;
}

const Command* findCommand(CommandId id)
{
    const std::vector<Command>& table = commandTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [id](const Command& command) { return command.id == id; });
    return found == table.end() ? nullptr : &*found;
}
