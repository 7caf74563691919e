// MainFrame: the game's one top-level window, with its menus, toolbar and board.
#pragma once

#include "commandtable.h"
#include "game/boardsize.h"
#include "gamesession.h"
#include "pictures/backgroundtask.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <optional>

struct ProgramFile;
class BoardStage;
class BoardView;
class GameStatusBar;
class HelpWindow;
class MainToolBar;
class Clock;
class ProfileStore;
class RandomEngine;
class SolutionDialog;
class Shell;
class SoundPlayer;
class QThreadPool;

// The services the window works with; all of them must outlive it.
struct FrameServices {
    ProfileStore& profile;
    RandomEngine& random;
    SoundPlayer& sounds;
    const Clock& clock;
    Shell& shell;
    QThreadPool& pictureThreads; // where pictures are read and decoded
};

// A window of fixed size that follows the board: it loads the settings when built, starts a
// puzzle from the picture folder, and saves the settings when closed or left by Exit.
class MainFrame : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(MainFrame)

public:
    static constexpr QPoint StartPosition{50, 10};

    // A start picture (a picture file or an archive) is opened as Open would open it. The
    // window's first picture is ready before it shows.
    MainFrame(const FrameServices& services, const ProgramFile& program,
              const QString& startPicture = {}, QWidget* parent = nullptr);
    ~MainFrame() override;

    // Closes the window with nobody there to answer: after an ending signal. What can be
    // saved is saved, and no message asks for a reply.
    void closeQuietly();

    // Runs a command as its menu item, shortcut or toolbar button would.
    void execute(CommandId id);
    // The action behind a command, for menus, toolbar and tests.
    QAction* action(CommandId id) const;

    // Loads a random picture of the folder, lays the board out for it, jumbles it and starts
    // a new game.
    void newPuzzle();
    // Starts a new game on a picture file or archive, as Open does; the folder becomes its
    // folder.
    void openPath(const QString& path, int zipIndex = 1, int zipCount = 0);
    // A picture is being read and decoded: the board shows the game before it, and takes no
    // move, until it comes.
    bool loadingPicture() const { return fetch_.busy() || (nextNew_ && nextNew_->wanted); }
    // The next New's picture is drawn and decoded, ready to show at once.
    bool nextNewReady() const { return nextNew_ && nextNew_->fetched; }

    const PlayerSettings& settings() const { return session_.settings(); }
    const PictureSource& pictureSource() const { return session_.loader().source(); }
    const Picture& picture() const { return session_.loader().picture(); }
    const GameFlow& flow() const { return session_.flow(); }
    bool toolbarShown() const { return bands_.toolbarShown; }
    MainToolBar* toolbar() const { return toolbar_; }
    QMenu* fileMenu() const { return fileMenu_; }
    BoardView* boardView() const { return board_; }
    GameStatusBar* gameStatusBar() const { return status_; }
    // The solution window or the gift dialog while one is open: only one at a time.
    QDialog* modelessWindow() const { return modeless_; }
    SolutionDialog* solutionWindow() const;
    // Whether the profile keeps an unfinished game to resume.
    bool hasKeptGame() const { return session_.hasKeptGame(); }
    // The board on the whole screen, as large as the picture's shape allows.
    bool inFullScreen() const { return windowed_.has_value(); }

    // No context menu of Qt's own over the toolbar and menu bar.
    QMenu* createPopupMenu() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape leaves full screen.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A picture file or archive dropped on the window is opened; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend const std::vector<Command>& commandTable();
    friend struct CommandHandlers;

    // The commands, reached through the command table.
    void newFromFolder();
    void newFromZip();
    void openPicture();
    void makeGift();
    void showSolution();
    void showScoreboard();
    void toggleToolbar();
    void setPuzzleSize(int n);
    void setPuzzleMode(PuzzleMode mode);
    void toggleStatusBar();
    void toggleFullScreen();
    void resumeLastPuzzle();
    void showHelp();
    // The help page in the game's own window, when the desktop cannot show it.
    void showHelpHere();
    void showAbout();
    void exit();

    void createActions();
    void createToolBar();
    // Ticks and greys every command as the game and settings now stand.
    void refreshCommands();
    void setNewForm(bool dropDown);
    void trackToolbar();
    void startPuzzle();
    // Shows the board laid out and set for its game.
    void showBoard();
    // The session saves; when that fails, a message names the reason unless the window closes
    // quietly.
    void saveOnLeaving();
    BoardRoom boardRoom() const;
    // Pixels enough for any board of the picture in this room, on this window's screen.
    PictureFit boardFit() const;
    void screenChanged();
    void layOutBoard();
    // In full screen: the board as large as the stage allows, its picture sharp at that size.
    void fillStage();
    // Fetches the request's picture off this thread, the window waiting meanwhile, then
    // hands it over to what is to be done with it. A newer fetch drops an older one.
    using Shown = std::function<void(PictureRequest, FetchedPicture)>;
    void fetch(PictureRequest request, Shown shown);
    void showLoading(bool loading);
    // Draws the next New's pick and decodes it in the background; any other load drops it.
    void prepareNextNew();
    void dropNextNew();
    // Ends the wait for a picture: shows it as asked, and the window as it then stands.
    void settleLoad(const std::function<void()>& show);
    // A new puzzle on the picture the player chose; when that could not be shown, says which
    // and why.
    void startOnChosen(const std::optional<UnshownPicture>& unshown);
    void reportUnshown(const UnshownPicture& unshown);
    void showModeless(QDialog* dialog);
    void closeSolution();
    void congratulate();

    FrameServices services_;
    GameSession session_;
    WindowBands bands_;
    BoardStage* stage_;
    BoardView* board_;
    GameStatusBar* status_;
    MainToolBar* toolbar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* newSubmenu_ = nullptr; // the File menu's "&New" while the picture is archived
    QPointer<QDialog> modeless_;
    QString programPath_;
    QString helpPage_;
    QPointer<HelpWindow> helpWindow_;
    bool quiet_ = false;            // closing after a signal: nobody to tell
    std::optional<QRect> windowed_; // in full screen: the window's place to go back to
    std::map<CommandId, QAction*> actions_;
    BackgroundTask<FetchedPicture> fetch_;
    // The next New, drawn once a New has settled: its request, and its picture once decoded.
    struct NextNew {
        PictureRequest request;
        qint64 fileSize;
        QDateTime modified;
        std::optional<FetchedPicture> fetched;
        bool wanted; // New came before its picture: shown as soon as it comes
    };
    static bool fileUnchanged(const NextNew& next);
    std::optional<NextNew> nextNew_;
    BackgroundTask<FetchedPicture> preparing_;
};
