// MainFrame: the game's one top-level window, with its menus, toolbar and board.
#include "mainframe.h"

#include "boardstage.h"
#include "game/boardview.h"
#include "game/solutiondialog.h"
#include "gamestatusbar.h"
#include "maintoolbar.h"
#include "menubar.h"
#include "pictures/pictureformats.h"
#include "platform/product.h"
#include "platform/profilestore.h"
#include "platform/programfile.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace {
// The one local picture file or archive a drag carries, judged by its name.
QString droppedPicture(const QMimeData* data)
{
    if (data == nullptr || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    const QString path = data->urls().first().toLocalFile();
    return hasPictureExtension(path) || isArchivePath(path) ? path : QString();
}
} // namespace

MainFrame::MainFrame(const FrameServices& services, const ProgramFile& program,
                     const QString& startPicture, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
    , services_(services)
    // The installed sample pictures, or the program's own folder.
    , session_(services.profile, services.random, services.sounds, services.clock,
               program.sampleFolder.isEmpty() ? program.folder : program.sampleFolder)
    , stage_(new BoardStage(this))
    , board_(
          new BoardView(session_.settings(), session_.flow(), session_.loader().picture(), stage_))
    , status_(new GameStatusBar(session_.flow(), this))
    , programPath_(program.path)
    , helpPage_(program.helpPage)
    , fetch_(services.pictureThreads)
    , preparing_(services.pictureThreads)
{
    setWindowTitle(ProductName);
    board_->setAccessibleName(tr("Puzzle board"));
    board_->setAccessibleDescription(
        tr("The jumbled picture's tiles. Click two tiles to swap them, or a tile in the hole's "
           "row or column to slide it. Keys: in the slider the arrows slide a tile into the "
           "hole; the arrows, or Shift and the arrows in the slider, move the focus cell, and "
           "Enter acts on it as a click."));
    setCentralWidget(stage_);
    stage_->setResized([this] { fillStage(); });
    board_->setFocus(); // the keys play at once
    board_->peekWithSpaceIn(this);
    board_->setCongratulate([this] { congratulate(); });
    board_->setChanged([this] {
        status_->refresh();
        refreshCommands();
    });
    setStatusBar(status_);
    status_->setVisible(settings().statusBar);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the window follows the board
    createActions();
    fileMenu_ = fillMenuBar(
        *menuBar(), [this](CommandId id) { return action(id); },
        [this] {
            services_.profile.sync(); // a game another copy has kept meanwhile can be resumed
            refreshCommands();
        });
    createToolBar();
    bands_.menuBar = menuBar()->sizeHint().height();
    bands_.caption = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    setAcceptDrops(true);
    move(StartPosition);
    // A gift copy exists to show its own picture, so it wins over a picture it is given.
    std::optional<UnshownPicture> unshown;
    if (const std::optional<PictureRequest> gift = session_.giftRequest(program.path))
        unshown = session_.loader().show(*gift, fetchPicture(*gift, boardFit()));
    else if (startPicture.isEmpty())
        session_.loader().loadRandom(settings().folder, boardFit());
    else
        unshown = session_.open(startPicture, 1, 0, boardFit());
    startPuzzle();
    if (!unshown && startPicture.isEmpty() && !pictureSource().giftMode)
        prepareNextNew();
    if (unshown) // once the window shows
        QTimer::singleShot(0, this, [this, unshown = *unshown] { reportUnshown(unshown); });
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
        if (command.keyUse == KeyUse::Pressed)
            addAction(action); // shortcuts work whatever the menus and toolbar show
        else
            action->setShortcutContext(Qt::WidgetShortcut); // the board's own key: shown only
        actions_.emplace(id, action);
    }
    refreshCommands();
}

void MainFrame::createToolBar()
{
    toolbar_ = new MainToolBar([this](CommandId id) { return action(id); },
                               [this](CommandId id) { execute(id); }, this);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    bands_.toolbar = toolbar_->sizeHint().height();
    toolbar_->setOnMoved([this] { trackToolbar(); });
}

void MainFrame::trackToolbar()
{
    if (!toolbar_->isFloating() && toolbar_->isVisible())
        bands_.toolbar = toolbar_->height();
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
    board_->settle(); // a move still under way ends before the command acts
    if (const Command* command = findCommand(id))
        command->run(*this);
    board_->repaint(); // whatever the command changed shows at once
    refreshCommands();
    status_->refresh();
}

void MainFrame::refreshCommands()
{
    if (toolbar_ != nullptr && !toolbar_->isVisible() && isVisible())
        bands_.toolbarShown = false; // a floating toolbar closed by its own close box
    for (const Command& command : commandTable()) {
        if (command.checked != nullptr)
            action(command.id)->setChecked(command.checked(*this));
        if (command.enabled != nullptr)
            action(command.id)->setEnabled(command.enabled(*this));
    }
}

void MainFrame::startPuzzle()
{
    layOutBoard();
    session_.flow().jumble();
    showBoard();
}

void MainFrame::showBoard()
{
    if (isMinimized())
        showNormal();
    board_->repaint();
    setNewForm(session_.loader().showsArchive());
}

BoardRoom MainFrame::boardRoom() const
{
    return boardRoomIn(screen()->availableGeometry(), bands_,
                       settings().statusBar ? status_->sizeHint().height() : 0);
}

PictureFit MainFrame::boardFit() const
{
    if (inFullScreen())
        return [area = stage_->size(), ratio = devicePixelRatioF()](QSize natural) {
            return devicePixels(boardFillingSize(natural, area, 1), ratio);
        };
    return [room = boardRoom(), ratio = devicePixelRatioF()](QSize natural) {
        return boardPixelsFor(natural, room, ratio);
    };
}

void MainFrame::layOutBoard()
{
    if (inFullScreen()) {
        fillStage();
        return;
    }
    const BoardRoom room = boardRoom();
    board_->fitBoard(boardSizeFor(picture().size(), room, settings().dimension),
                     settings().dimension);
    board_->move(0, 0);
    stage_->setFixedSize(board_->size());
    adjustSize();
    move(keptOnScreen(frameGeometry(), screen()->availableGeometry(), room.available));
}

void MainFrame::fillStage()
{
    if (!inFullScreen())
        return;
    session_.loader().cover(boardFit());
    const int n = settings().dimension;
    board_->fitBoard(boardFillingSize(picture().size(), stage_->size(), n), n);
    board_->move((stage_->width() - board_->width()) / 2,
                 (stage_->height() - board_->height()) / 2);
    board_->repaint();
}

QMenu* MainFrame::createPopupMenu()
{
    return nullptr; // Qt's own toolbar menu would hide the toolbar behind the Toolbar check
}

SolutionDialog* MainFrame::solutionWindow() const
{
    return dynamic_cast<SolutionDialog*>(modeless_.data());
}

void MainFrame::closeSolution()
{
    if (SolutionDialog* solution = solutionWindow())
        solution->close();
}

void MainFrame::saveOnLeaving()
{
    const bool underWay = session_.hasGameUnderWay();
    if (session_.save() || quiet_)
        return;
    const QString why = services_.profile.lastError();
    QMessageBox::warning(
        this, ProductName,
        underWay ? tr("Your settings and the unfinished puzzle cannot be saved:\n%1").arg(why)
                 : tr("Your settings cannot be saved:\n%1").arg(why));
}

void MainFrame::closeQuietly()
{
    quiet_ = true;
    close();
}

void MainFrame::closeEvent(QCloseEvent* event)
{
    fetch_.drop(); // a picture still on its way is for nobody now
    dropNextNew();
    showLoading(false);
    board_->settle(); // a game its last move has just won ends as won
    saveOnLeaving();
    event->accept();
}

void MainFrame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && inFullScreen())
        execute(CommandId::FullScreen);
    else
        QMainWindow::keyPressEvent(event);
}

void MainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    connect(windowHandle(), &QWindow::screenChanged, this, &MainFrame::screenChanged,
            Qt::UniqueConnection);
}

void MainFrame::screenChanged()
{
    session_.loader().cover(boardFit()); // another pixel ratio may need more pixels
    board_->repaint();
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
