// MainFrame: the game's one top-level window, with its menus, toolbar and board.
#include "mainframe.h"

#include "game/boardsize.h"
#include "game/boardview.h"
#include "game/gamestate.h"
#include "game/puzzlepicture.h"
#include "game/solutiondialog.h"
#include "gamestatusbar.h"
#include "gift/giftfile.h"
#include "keptgame.h"
#include "maintoolbar.h"
#include "pictures/folderscanner.h"
#include "pictures/pictureformats.h"
#include "platform/product.h"
#include "platform/programfile.h"
#include "settings.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace {
constexpr int ScreenMargin = 50;
constexpr int TopAfterMove = 5; // where a window too tall for the room is moved to

// The one local picture file or archive a drag carries, judged by its name.
QString droppedPicture(const QMimeData* data)
{
    if (data == nullptr || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    const QString path = data->urls().first().toLocalFile();
    return hasPictureExtension(path) || isArchivePath(path) ? path : QString();
}
} // namespace

MainFrame::MainFrame(GameState& state, const FrameServices& services, const ProgramFile& program,
                     const QString& startPicture, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
    , state_(state)
    , services_(services)
    , flow_(state, services.random, services.sounds, services.clock)
    , board_(new BoardView(state, flow_, picture_, this))
    , status_(new GameStatusBar([this] { return flow_.figures(); }, this))
    , programPath_(program.path)
    , helpPage_(program.helpPage)
{
    state_.programFolder = program.folder;
    state_.folder = program.sampleFolder; // the program's folder, unless installed
    loadSettings(state_, services_.profile);

    setWindowTitle(ProductName);
    board_->setAccessibleName(tr("Puzzle board"));
    board_->setAccessibleDescription(
        tr("The jumbled picture's tiles. Click two tiles to swap them, or a tile in the hole's "
           "row or column to slide it."));
    setCentralWidget(board_);
    board_->setCongratulate([this] { congratulate(); });
    board_->setChanged([this] { status_->refresh(); });
    setStatusBar(status_);
    status_->setVisible(state_.statusBar != 0);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the window follows the board
    createActions();
    createMenus();
    createToolBar();
    state_.menuBarHeight = menuBar()->sizeHint().height();
    state_.captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    state_.dialogFrameBorder = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    setAcceptDrops(true);
    move(StartPosition);
    // A gift copy exists to show its own picture, so it wins over a picture it is given.
    if (!startAsGift(program.path)) {
        if (startPicture.isEmpty())
            newPuzzle(true);
        else
            openPath(startPicture);
    }
    state_.windowReady = true;
}

MainFrame::~MainFrame() = default;

void MainFrame::createActions()
{
    for (const Command& command : commandTable()) {
        // The menus show the shortcut beside the text, so the text itself carries none.
        const QString text = QCoreApplication::translate("Command", command.text);
        auto* action = new QAction(text, this);
        action->setIconText(QString(text).remove(QLatin1Char('&')));
        if (command.shortcut != nullptr)
            action->setShortcuts(
                QKeySequence::listFromString(QString::fromLatin1(command.shortcut)));
        action->setCheckable(command.checked != nullptr);
        const CommandId id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { execute(id); });
        addAction(action); // shortcuts work whatever the menus and toolbar show
        actions_.emplace(id, action);
    }
    refreshChecks();
}

void MainFrame::createMenus()
{
    for (const Menu& layout : menuBarLayout()) {
        QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("Menu", layout.title));
        if (fileMenu_ == nullptr)
            fileMenu_ = menu;
        connect(menu, &QMenu::aboutToShow, this, &MainFrame::refreshChecks);
        for (const MenuItem& item : layout.items) {
            if (item.submenu != nullptr) {
                QMenu* submenu = menu->addMenu(QCoreApplication::translate("Menu", item.submenu));
                for (const CommandId id : item.submenuItems)
                    submenu->addAction(action(id));
            } else if (item.command == CommandId::Separator) {
                menu->addSeparator();
            } else {
                menu->addAction(action(item.command));
            }
        }
    }
}

void MainFrame::createToolBar()
{
    toolbar_ = new MainToolBar([this](CommandId id) { return action(id); },
                               [this](CommandId id) { execute(id); }, this);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    state_.toolbarBand = toolbar_->sizeHint().height();
    toolbar_->setOnMoved([this] { trackToolbar(); });
}

void MainFrame::trackToolbar()
{
    const ToolbarDock dock = toolbar_->isFloating() ? ToolbarDock::Floating
                             : toolBarArea(toolbar_) == Qt::BottomToolBarArea ? ToolbarDock::Bottom
                                                                              : ToolbarDock::Top;
    state_.toolbarDock = dock;
    if (dock != ToolbarDock::Floating && toolbar_->isVisible())
        state_.toolbarBand = toolbar_->height();
}

void MainFrame::setNewForm(bool dropDown)
{
    if (toolbar_->newIsDropDown() == dropDown)
        return;
    toolbar_->setNewForm(dropDown);
    if (dropDown) {
        newSubmenu_ = new QMenu(action(CommandId::New)->text(), fileMenu_);
        newSubmenu_->addAction(action(CommandId::NewFromFolder));
        newSubmenu_->addAction(action(CommandId::NewFromZip));
        fileMenu_->insertMenu(action(CommandId::New), newSubmenu_);
        fileMenu_->removeAction(action(CommandId::New));
    } else {
        fileMenu_->insertAction(newSubmenu_->menuAction(), action(CommandId::New));
        delete newSubmenu_;
        newSubmenu_ = nullptr;
    }
}

QAction* MainFrame::action(CommandId id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void MainFrame::execute(CommandId id)
{
    if (const Command* command = findCommand(id))
        command->run(*this);
    refreshChecks();
    status_->refresh();
}

void MainFrame::refreshChecks()
{
    if (toolbar_ != nullptr && !toolbar_->isVisible() && isVisible())
        state_.toolbarVisible = false; // a floating toolbar closed by its own close box
    for (const Command& command : commandTable())
        if (command.checked != nullptr)
            action(command.id)->setChecked(command.checked(state_));
}

void MainFrame::newPuzzle(bool randomPick)
{
    loadPuzzlePicture(state_, picture_, zip_, folderScanner_, services_.random, randomPick,
                      boardFit());
    startPuzzle();
}

void MainFrame::startPuzzle()
{
    layOutBoard();
    flow_.jumble();
    showBoard();
}

void MainFrame::showBoard()
{
    if (isMinimized())
        showNormal();
    repaintBoard();
    setNewForm(!state_.defaultPictureShown && isArchivePath(state_.picturePath));
}

BoardRoom MainFrame::boardRoom() const
{
    const QRect work = screen()->availableGeometry();
    // A floating toolbar still costs the board its band; only the window height ignores it.
    const int band = state_.toolbarVisible ? state_.toolbarBand : 0;
    const int statusBand = state_.statusBar != 0 ? status_->sizeHint().height() : 0;
    return {QSize(work.width() - ScreenMargin, work.height() - state_.captionHeight -
                                                   state_.toolbarBand - state_.menuBarHeight -
                                                   statusBand - ScreenMargin),
            state_.menuBarHeight, band};
}

PictureFit MainFrame::boardFit() const
{
    return [room = boardRoom(), ratio = devicePixelRatioF()](QSize natural) {
        return boardPixelsFor(natural, room, ratio);
    };
}

void MainFrame::coverBoard()
{
    if (picture_.cover(boardFit()(picture_.size())))
        return;
    state_.defaultPictureShown = true;
    picture_.loadBuiltIn(boardFit());
}

void MainFrame::layOutBoard()
{
    const BoardRoom room = boardRoom();
    const QSize board = boardSizeFor(picture_.size(), room, state_.dimension);
    state_.boardWidth = board.width();
    state_.boardHeight = board.height();
    state_.tileWidth = board.width() / state_.dimension;
    state_.tileHeight = board.height() / state_.dimension;
    board_->fitBoard();
    adjustSize();
    keepOnScreen(room.available);
}

void MainFrame::keepOnScreen(QSize available)
{
    const QRect work = screen()->availableGeometry();
    QRect frame = frameGeometry();
    if (frame.x() + frame.width() > work.x() + available.width() &&
        frame.x() > work.x() + ScreenMargin)
        frame.moveLeft(work.x() + ScreenMargin);
    if (frame.y() + frame.height() > work.y() + available.height())
        frame.moveTop(work.y() + TopAfterMove);
    move(frame.topLeft());
}

QMenu* MainFrame::createPopupMenu()
{
    return nullptr; // Qt's own toolbar menu would hide the toolbar behind the Toolbar check
}

void MainFrame::repaintBoard()
{
    board_->repaint();
}

SolutionDialog* MainFrame::solutionWindow() const
{
    return solution_;
}

void MainFrame::closeSolution()
{
    if (solution_)
        solution_->close();
}

void MainFrame::openPath(const QString& path, int zipIndex, int zipCount)
{
    state_.picturePath = QFileInfo(path).absoluteFilePath();
    state_.zipIndex = zipIndex;
    state_.zipCount = zipCount;
    state_.folder = QFileInfo(state_.picturePath).absolutePath();
    newPuzzle(false);
}

bool MainFrame::startAsGift(const QString& programPath)
{
    std::optional<GiftPayload> gift = readGift(programPath);
    if (!gift)
        return false;
    state_.giftMode = true;
    if (gift->modeByte == 0 || gift->modeByte == 1)
        state_.puzzleMode = gift->modeByte;
    // Served from memory, so nothing of the gift is left behind however the game ends.
    state_.giftPicture = std::move(gift->picture);
    state_.picturePath = GiftPictureName;
    newPuzzle(false);
    return true;
}

bool MainFrame::loadKeptPicture(const KeptGame& kept)
{
    // Tried on a copy, so a picture that is gone leaves the game as it was.
    GameState trial = state_;
    trial.picturePath = kept.picturePath;
    trial.zipIndex = kept.zipIndex;
    Picture loaded;
    const bool shown = kept.builtIn ? loaded.loadBuiltIn(boardFit())
                                    : loadCurrentPicture(trial, loaded, zip_, boardFit());
    if (!shown)
        return false;
    picture_.loadFrom(loaded, boardFit());
    state_.picturePath = trial.picturePath;
    state_.zipIndex = trial.zipIndex;
    state_.zipCount = trial.zipCount;
    state_.defaultPictureShown = kept.builtIn;
    return true;
}

void MainFrame::saveOnLeaving()
{
    if (const std::optional<UnfinishedGame> game = flow_.unfinished())
        keepGame(services_.profile,
                 {state_.picturePath, state_.zipIndex, state_.defaultPictureShown, *game});
    saveSettings(state_, services_.profile);
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    saveOnLeaving();
    event->accept();
}

void MainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    connect(windowHandle(), &QWindow::screenChanged, this, &MainFrame::screenChanged,
            Qt::UniqueConnection);
}

void MainFrame::screenChanged()
{
    coverBoard(); // another pixel ratio may need more pixels
    repaintBoard();
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedPicture(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event)
{
    const QString path = droppedPicture(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openPath(path);
}
