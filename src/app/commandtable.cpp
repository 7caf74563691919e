// Command table: every command of the menus, shortcuts and toolbar, as data.
#include "commandtable.h"

#include "game/gamestate.h"
#include "mainframe.h"

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
        {Id::New, "&New\tCtrl+N", "Ctrl+N", [](MainFrame& f) { f.newFromFolder(); }, nullptr},
        {Id::Open, "&Open\tCtrl+O", "Ctrl+O", [](MainFrame& f) { f.openPicture(); }, nullptr},
        {Id::NewFromFolder, "From folder", nullptr, [](MainFrame& f) { f.newFromFolder(); },
         nullptr},
        {Id::NewFromZip, "From Zip archive", nullptr, [](MainFrame& f) { f.newFromZip(); },
         nullptr},
        {Id::MakeGift, "Make &gift", nullptr, [](MainFrame& f) { f.makeGift(); }, nullptr},
        {Id::Exit, "E&xit", nullptr, [](MainFrame& f) { f.exit(); }, nullptr},
        {Id::Jumble, "&Jumble\tCtrl+J", "Ctrl+J", [](MainFrame& f) { f.jumble(); }, nullptr},
        {Id::Grid, "&Grid\tCtrl+G", "Ctrl+G", [](MainFrame& f) { f.toggleGrid(); },
         [](const GameState& s) {
             return s.grid != 0;
         }},
        {Id::GridBlack, "Black", nullptr, grid<0>, isGrid<0>},
        {Id::GridWhite, "White", nullptr, grid<1>, isGrid<1>},
        {Id::GridRed, "Red", nullptr, grid<2>, isGrid<2>},
        {Id::SelectionBlack, "Black", nullptr, selection<0>, isSelection<0>},
        {Id::SelectionYellow, "Yellow", nullptr, selection<1>, isSelection<1>},
        {Id::SelectionRed, "Red", nullptr, selection<2>, isSelection<2>},
        {Id::ShowSolution, "&Show solution\tCtrl+S", "Ctrl+S",
         [](MainFrame& f) { f.showSolution(); }, nullptr},
        {Id::SolveForMe, "Sol&ve for me", nullptr, [](MainFrame& f) { f.solveForMe(); }, nullptr},
        {Id::Scoreboard, "Scoreboard", nullptr, [](MainFrame& f) { f.showScoreboard(); }, nullptr},
        {Id::Toolbar, "&Toolbar", nullptr, [](MainFrame& f) { f.toggleToolbar(); },
         [](const GameState& s) {
             return s.toolbarVisible;
         }},
        {Id::Size3, "3 x 3", nullptr, size<3>, isSize<3>},
        {Id::Size4, "4 x 4", nullptr, size<4>, isSize<4>},
        {Id::Size5, "5 x 5", nullptr, size<5>, isSize<5>},
        {Id::Size6, "6 x 6", nullptr, size<6>, isSize<6>},
        {Id::Size7, "7 x 7", nullptr, size<7>, isSize<7>},
        {Id::Size8, "8 x 8", nullptr, size<8>, isSize<8>},
        {Id::Size9, "9 x 9", nullptr, size<9>, isSize<9>},
        {Id::Size10, "10 x 10", nullptr, size<10>, isSize<10>},
        {Id::TileSwap, "Tile swap", nullptr, mode<0>, isMode<0>},
        {Id::Slider, "Slider puzzle", nullptr, mode<1>, isMode<1>},
        {Id::Help, "Help", nullptr, [](MainFrame& f) { f.showHelp(); }, nullptr},
        {Id::About, "&About", nullptr, [](MainFrame& f) { f.showAbout(); }, nullptr},
        {Id::Sound, "Sound", nullptr, [](MainFrame& f) { f.toggleSound(); },
         [](const GameState& s) {
             return s.sound != 0;
         }},
        {Id::Undo, "&Undo\tCtrl+Z", "Ctrl+Z", [](MainFrame& f) { f.undo(); }, nullptr},
        {Id::Redo, "&Redo\tCtrl+Shift+Z", "Ctrl+Shift+Z; Ctrl+Y", [](MainFrame& f) { f.redo(); },
         nullptr},
        {Id::Restart, "Re&start", nullptr, [](MainFrame& f) { f.restart(); }, nullptr},
        {Id::StatusBar, "Status &bar", nullptr, [](MainFrame& f) { f.toggleStatusBar(); },
         [](const GameState& s) {
             return s.statusBar != 0;
         }},
        {Id::TileNumbers, "Tile &numbers", nullptr, [](MainFrame& f) { f.toggleTileNumbers(); },
         [](const GameState& s) {
             return s.tileNumbers != 0;
         }},
        {Id::ResumeLast, "&Resume last puzzle", nullptr, [](MainFrame& f) { f.resumeLastPuzzle(); },
         nullptr},
    };
    return table;
}

const std::vector<Menu>& menuBarLayout()
{
    static const std::vector<Menu> layout{
        // Additions follow what was always there, so no item moves within its menu.
        {"&File",
         {{Id::New},
          {Id::Open},
          {Id::Separator},
          {Id::MakeGift},
          {Id::Separator},
          {Id::Exit},
          {Id::Separator},
          {Id::ResumeLast}}},
        {"&Game", {{Id::Undo}, {Id::Redo}, {Id::Separator}, {Id::Restart}}},
        {"&View",
         {{Id::Jumble},
          {Id::Separator},
          {Id::Grid},
          {Id::Separator, "Grid colour", {Id::GridBlack, Id::GridWhite, Id::GridRed}},
          {Id::Separator,
           "Selection colour",
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
        {"&Options",
         {{Id::Separator,
           "Puzzle size",
           {Id::Size3, Id::Size4, Id::Size5, Id::Size6, Id::Size7, Id::Size8, Id::Size9,
            Id::Size10}},
          {Id::Separator, "Puzzle mode", {Id::TileSwap, Id::Slider}},
          {Id::Sound}}},
        {"&Help", {{Id::Help}, {Id::About}}},
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
