// MainFrame: the game's one top-level window, with its menus, toolbar and board.
#pragma once

#include "commandtable.h"
#include "game/boardsize.h"
#include "game/gameflow.h"
#include "pictures/folderscanner.h"
#include "pictures/picture.h"
#include "pictures/zippicturesource.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>

struct GameState;
struct KeptGame;
struct ProgramFile;
class BoardView;
class GameStatusBar;
class MainToolBar;
class Clock;
class ProfileStore;
class RandomEngine;
class SolutionDialog;
class Shell;
class SoundPlayer;

// The services the window works with; all of them must outlive it.
struct FrameServices {
    ProfileStore& profile;
    RandomEngine& random;
    SoundPlayer& sounds;
    const Clock& clock;
    Shell& shell;
};

// A window of fixed size that follows the board: it loads the settings when built, starts a
// puzzle from the picture folder, and saves the settings when closed or left by Exit.
class MainFrame : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(MainFrame)

public:
    static constexpr QPoint StartPosition{50, 10};

    // A start picture (a picture file or an archive) is opened as Open would open it.
    MainFrame(GameState& state, const FrameServices& services, const ProgramFile& program,
              const QString& startPicture = {}, QWidget* parent = nullptr);
    ~MainFrame() override;

    // Runs a command as its menu item, shortcut or toolbar button would.
    void execute(CommandId id);
    // The action behind a command, for menus, toolbar and tests.
    QAction* action(CommandId id) const;

    // The commands.
    void newFromFolder();
    void newFromZip();
    void openPicture();
    void makeGift();
    void jumble();
    void toggleGrid();
    void setGridColour(int colour);
    void setSelectionColour(int colour);
    void showSolution();
    void solveForMe();
    void showScoreboard();
    void toggleToolbar();
    void setPuzzleSize(int n);
    void setPuzzleMode(int mode);
    void toggleSound();
    void undo();
    void redo();
    void restart();
    void toggleStatusBar();
    void toggleTileNumbers();
    void resumeLastPuzzle();
    void showHelp();
    void showAbout();
    void exit();

    // Loads a picture (a random one of the folder, or the current one), lays the board out
    // for it, jumbles it and starts a new game.
    void newPuzzle(bool randomPick);
    // Starts a new game on a picture file or archive, as Open does; the folder becomes its
    // folder.
    void openPath(const QString& path, int zipIndex = 1, int zipCount = 0);

    const Picture& picture() const { return picture_; }
    MainToolBar* toolbar() const { return toolbar_; }
    QMenu* fileMenu() const { return fileMenu_; }
    BoardView* boardView() const { return board_; }
    GameStatusBar* gameStatusBar() const { return status_; }
    SolutionDialog* solutionWindow() const;

    // No context menu of Qt's own over the toolbar and menu bar.
    QMenu* createPopupMenu() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A picture file or archive dropped on the window is opened; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void refreshChecks();
    void setNewForm(bool dropDown);
    void trackToolbar();
    void startPuzzle();
    // Shows the board laid out and set for its game.
    void showBoard();
    // A game under way is kept in the profile, the settings written.
    void saveOnLeaving();
    BoardRoom boardRoom() const;
    // Pixels enough for any board of the picture in this room, on this window's screen.
    PictureFit boardFit() const;
    // Decodes the picture again if its pixels fall short of the board; the built-in picture
    // when that fails.
    void coverBoard();
    void screenChanged();
    void layOutBoard();
    // Moves the window back into the room the board was sized for.
    void keepOnScreen(QSize available);
    void closeSolution();
    void repaintBoard();
    void congratulate();
    // The kept game's picture in place of the current one; false, nothing changed, when it
    // cannot be shown.
    bool loadKeptPicture(const KeptGame& kept);
    // A program file that carries a gift starts on the gift's picture; false otherwise.
    bool startAsGift(const QString& programPath);

    GameState& state_;
    FrameServices services_;
    Picture picture_;
    ZipPictureSource zip_;
    FolderScanner folderScanner_; // remembers which archives hold pictures
    GameFlow flow_;
    BoardView* board_;
    GameStatusBar* status_;
    MainToolBar* toolbar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* newSubmenu_ = nullptr; // the File menu's "&New" while the picture is archived
    QPointer<SolutionDialog> solution_;
    QString programPath_;
    QString helpPage_;
    std::map<CommandId, QAction*> actions_;
};
