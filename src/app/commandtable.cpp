// Command table: every command of the menus, shortcuts and toolbar, as data.
#include "commandtable.h"

#include "game/boardview.h"
#include "game/playersettings.h"
#include "mainframe.h"

#include <QtGlobal>
#include <algorithm>

namespace {
// A command that runs one handler of the window.
template <void (MainFrame::*Handler)()> void call(MainFrame& frame)
{
    (frame.*Handler)();
}
// A command that sets one setting to a value, and the tick that shows it is set.
template <auto Set, auto Value> void set(MainFrame& frame)
{
    (frame.*Set)(Value);
}
template <auto Setting, auto Value> bool is(const MainFrame& frame)
{
    return frame.settings().*Setting == Value;
}
template <bool PlayerSettings::*Switch> bool isOn(const MainFrame& frame)
{
    return frame.settings().*Switch;
}
// A command that can be chosen while the game says so.
template <bool (GameFlow::*Can)() const> bool flowCan(const MainFrame& frame)
{
    return (frame.flow().*Can)();
}

using Id = CommandId;
} // namespace

// The commands that change one thing of the game; the window repaints after every command.
struct CommandHandlers {
    template <bool PlayerSettings::*Switch> static void flip(MainFrame& frame)
    {
        bool& on = frame.session_.settings().*Switch;
        on = !on;
    }
    template <auto Setting, auto Value> static void choose(MainFrame& frame)
    {
        frame.session_.settings().*Setting = Value;
    }
    template <void (GameFlow::*Change)()> static void change(MainFrame& frame)
    {
        (frame.session_.flow().*Change)();
    }
    // A move of the game's own, made as a click's would be: gliding, and maybe completing.
    template <bool (GameFlow::*Move)()> static void play(MainFrame& frame)
    {
        frame.board_->play([&frame] { return (frame.session_.flow().*Move)(); });
    }
    // The finished picture over the board, until the next click on it or Space let go.
    static void peek(MainFrame& frame) { frame.board_->setPeek(true); }
};

const std::vector<Command>& commandTable()
{
    // Named here, where the window's private handlers may be named.
    using F = MainFrame;
    using S = PlayerSettings;
    using G = GridColour;
    using C = SelectionColour;
    using M = PuzzleMode;
    using H = CommandHandlers;
    static const std::vector<Command> table{
        {Id::New, QT_TRANSLATE_NOOP("Command", "&New"), "Ctrl+N", call<&F::newFromFolder>, nullptr},
        {Id::Open, QT_TRANSLATE_NOOP("Command", "&Open"), "Ctrl+O", call<&F::openPicture>, nullptr},
        {Id::NewFromFolder, QT_TRANSLATE_NOOP("Command", "From folder"), nullptr,
         call<&F::newFromFolder>, nullptr},
        {Id::NewFromZip, QT_TRANSLATE_NOOP("Command", "From Zip archive"), nullptr,
         call<&F::newFromZip>, nullptr},
        {Id::MakeGift, QT_TRANSLATE_NOOP("Command", "Make &gift"), nullptr, call<&F::makeGift>,
         nullptr},
        {Id::Exit, QT_TRANSLATE_NOOP("Command", "E&xit"), "Ctrl+Q", call<&F::exit>, nullptr},
        {Id::Jumble, QT_TRANSLATE_NOOP("Command", "&Jumble"), "Ctrl+J",
         H::change<&GameFlow::jumble>, nullptr},
        {Id::Grid, QT_TRANSLATE_NOOP("Command", "&Grid"), "Ctrl+G", H::flip<&S::grid>,
         isOn<&S::grid>},
        {Id::GridBlack, QT_TRANSLATE_NOOP("Command", "Black"), nullptr,
         H::choose<&S::gridColour, G::Black>, is<&S::gridColour, G::Black>},
        {Id::GridWhite, QT_TRANSLATE_NOOP("Command", "White"), nullptr,
         H::choose<&S::gridColour, G::White>, is<&S::gridColour, G::White>},
        {Id::GridRed, QT_TRANSLATE_NOOP("Command", "Red"), nullptr,
         H::choose<&S::gridColour, G::Red>, is<&S::gridColour, G::Red>},
        {Id::SelectionBlack, QT_TRANSLATE_NOOP("Command", "Black"), nullptr,
         H::choose<&S::selColour, C::Black>, is<&S::selColour, C::Black>},
        {Id::SelectionYellow, QT_TRANSLATE_NOOP("Command", "Yellow"), nullptr,
         H::choose<&S::selColour, C::Yellow>, is<&S::selColour, C::Yellow>},
        {Id::SelectionRed, QT_TRANSLATE_NOOP("Command", "Red"), nullptr,
         H::choose<&S::selColour, C::Red>, is<&S::selColour, C::Red>},
        {Id::ShowSolution, QT_TRANSLATE_NOOP("Command", "&Show solution"), "Ctrl+S",
         call<&F::showSolution>, nullptr},
        {Id::SolveForMe, QT_TRANSLATE_NOOP("Command", "Sol&ve for me"), nullptr,
         H::change<&GameFlow::solveForMe>, nullptr},
        {Id::Scoreboard, QT_TRANSLATE_NOOP("Command", "Scoreboard"), nullptr,
         call<&F::showScoreboard>, nullptr},
        {Id::Toolbar, QT_TRANSLATE_NOOP("Command", "&Toolbar"), nullptr, call<&F::toggleToolbar>,
         [](const F& f) {
             return f.toolbarShown();
         }},
        {Id::Size3, QT_TRANSLATE_NOOP("Command", "3 x 3"), nullptr, set<&F::setPuzzleSize, 3>,
         is<&S::dimension, 3>},
        {Id::Size4, QT_TRANSLATE_NOOP("Command", "4 x 4"), nullptr, set<&F::setPuzzleSize, 4>,
         is<&S::dimension, 4>},
        {Id::Size5, QT_TRANSLATE_NOOP("Command", "5 x 5"), nullptr, set<&F::setPuzzleSize, 5>,
         is<&S::dimension, 5>},
        {Id::Size6, QT_TRANSLATE_NOOP("Command", "6 x 6"), nullptr, set<&F::setPuzzleSize, 6>,
         is<&S::dimension, 6>},
        {Id::Size7, QT_TRANSLATE_NOOP("Command", "7 x 7"), nullptr, set<&F::setPuzzleSize, 7>,
         is<&S::dimension, 7>},
        {Id::Size8, QT_TRANSLATE_NOOP("Command", "8 x 8"), nullptr, set<&F::setPuzzleSize, 8>,
         is<&S::dimension, 8>},
        {Id::Size9, QT_TRANSLATE_NOOP("Command", "9 x 9"), nullptr, set<&F::setPuzzleSize, 9>,
         is<&S::dimension, 9>},
        {Id::Size10, QT_TRANSLATE_NOOP("Command", "10 x 10"), nullptr, set<&F::setPuzzleSize, 10>,
         is<&S::dimension, 10>},
        {Id::TileSwap, QT_TRANSLATE_NOOP("Command", "Tile swap"), nullptr,
         set<&F::setPuzzleMode, M::TileSwap>, is<&S::puzzleMode, M::TileSwap>},
        {Id::Slider, QT_TRANSLATE_NOOP("Command", "Slider puzzle"), nullptr,
         set<&F::setPuzzleMode, M::Slider>, is<&S::puzzleMode, M::Slider>},
        {Id::Help, QT_TRANSLATE_NOOP("Command", "Help"), "F1", call<&F::showHelp>, nullptr},
        {Id::About, QT_TRANSLATE_NOOP("Command", "&About"), nullptr, call<&F::showAbout>, nullptr},
        {Id::Sound, QT_TRANSLATE_NOOP("Command", "Sound"), nullptr, H::flip<&S::sound>,
         isOn<&S::sound>},
        {Id::Undo, QT_TRANSLATE_NOOP("Command", "&Undo"), "Ctrl+Z", H::play<&GameFlow::undo>,
         nullptr, flowCan<&GameFlow::canUndo>},
        {Id::Redo, QT_TRANSLATE_NOOP("Command", "&Redo"), "Ctrl+Shift+Z; Ctrl+Y",
         H::play<&GameFlow::redo>, nullptr, flowCan<&GameFlow::canRedo>},
        {Id::Restart, QT_TRANSLATE_NOOP("Command", "Re&start"), nullptr,
         H::change<&GameFlow::restart>, nullptr},
        {Id::StatusBar, QT_TRANSLATE_NOOP("Command", "Status &bar"), nullptr,
         call<&F::toggleStatusBar>, isOn<&S::statusBar>},
        {Id::TileNumbers, QT_TRANSLATE_NOOP("Command", "Tile &numbers"), nullptr,
         H::flip<&S::tileNumbers>, isOn<&S::tileNumbers>},
        {Id::ResumeLast, QT_TRANSLATE_NOOP("Command", "Resume &last puzzle"), nullptr,
         call<&F::resumeLastPuzzle>, nullptr,
         [](const F& f) {
             return f.hasKeptGame();
         }},
        {Id::Hint, QT_TRANSLATE_NOOP("Command", "&Hint"), "H", H::play<&GameFlow::hint>, nullptr,
         flowCan<&GameFlow::canHint>},
        {Id::Peek, QT_TRANSLATE_NOOP("Command", "Peek"), "Space", H::peek, nullptr, nullptr,
         KeyUse::Held},
        {Id::Animations, QT_TRANSLATE_NOOP("Command", "&Animate moves"), nullptr,
         H::flip<&S::animations>, isOn<&S::animations>},
        {Id::FullScreen, QT_TRANSLATE_NOOP("Command", "&Full screen"), "F11",
         call<&F::toggleFullScreen>,
         [](const F& f) {
             return f.inFullScreen();
         }},
    };
    return table;
}

const std::vector<Menu>& menuBarLayout()
{
    static const std::vector<Menu> layout{
        // Additions follow what was always there, so no item moves within its menu.
        {QT_TRANSLATE_NOOP("Menu", "&File"),
         {{Id::New}, {Id::Open}, {Id::Separator}, {Id::MakeGift}, {Id::Separator}, {Id::Exit}}},
        {QT_TRANSLATE_NOOP("Menu", "&Game"),
         {{Id::Undo},
          {Id::Redo},
          {Id::Separator},
          {Id::Restart},
          {Id::Separator},
          {Id::Hint},
          {Id::Peek},
          {Id::Separator},
          {Id::ResumeLast}}},
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
          {Id::TileNumbers},
          {Id::Animations},
          {Id::Separator},
          {Id::FullScreen}}},
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
