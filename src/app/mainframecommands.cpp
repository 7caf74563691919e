// MainFrame's commands: what each menu item, shortcut and toolbar button does.
#include "about/aboutdialog.h"
#include "controls/hyperlinklabel.h"
#include "game/boardview.h"
#include "game/solutiondialog.h"
#include "gamestatusbar.h"
#include "gift/giftdialog.h"
#include "keptgame.h"
#include "mainframe.h"
#include "maintoolbar.h"
#include "pictures/openpicturedialog.h"
#include "platform/product.h"
#include "platform/profilestore.h"
#include "platform/randomengine.h"
#include "platform/shell.h"
#include "scores/congratulationsdialog.h"
#include "scores/scoreboarddialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

void MainFrame::newFromFolder()
{
    closeSolution();
    newPuzzle(true);
}

void MainFrame::newFromZip()
{
    closeSolution();
    if (pictureSource().zipCount == 1) {
        QMessageBox::information(this, ProductName,
                                 tr("There is only 1 picture in this zip file!"));
        return;
    }
    if (loader_.loadOtherFromZip(boardFit()))
        startPuzzle();
}

void MainFrame::openPicture()
{
    OpenPictureDialog dialog(this);
    // In the folder of the picture shown, or else the picture folder.
    const PictureSource& shown = loader_.source();
    const QFileInfo picture(shown.picturePath);
    if (!shown.defaultPictureShown && shown.giftPicture.isEmpty() && picture.isAbsolute() &&
        picture.dir().exists())
        dialog.setDirectory(picture.dir());
    else if (!settings_.folder.isEmpty() && QDir(settings_.folder).exists())
        dialog.setDirectory(settings_.folder);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    openPath(dialog.chosenPath(), dialog.shownIndex(), dialog.shownCount());
}

void MainFrame::showModeless(QDialog* dialog)
{
    modeless_ = dialog;
    // Gone from the pointer once closed, though Qt deletes it only with the window.
    connect(dialog, &QDialog::finished, this, [this] { modeless_.clear(); });
    dialog->show();
}

void MainFrame::makeGift()
{
    if (!modeless_)
        showModeless(new GiftDialog(programPath_, picture(), this));
}

void MainFrame::jumble()
{
    flow_.jumble();
    repaintBoard();
}

void MainFrame::toggleGrid()
{
    settings_.grid = !settings_.grid;
    repaintBoard();
}

void MainFrame::setGridColour(GridColour colour)
{
    settings_.gridColour = colour;
    repaintBoard();
}

void MainFrame::setSelectionColour(SelectionColour colour)
{
    settings_.selColour = colour;
    repaintBoard();
}

void MainFrame::showSolution()
{
    if (!modeless_)
        showModeless(new SolutionDialog(picture(), this));
}

void MainFrame::solveForMe()
{
    flow_.solveForMe();
    repaintBoard();
}

void MainFrame::showScoreboard()
{
    ScoreboardDialog dialog(services_.profile, this);
    dialog.exec();
}

void MainFrame::congratulate()
{
    const Round& round = flow_.round();
    if (round.hints > 0) {
        QMessageBox::information(this, ProductName,
                                 tr("Solved with %n hint(s). Games with hints do not go on the "
                                    "scoreboard.",
                                    nullptr, round.hints));
        return;
    }
    CongratulationsDialog dialog(services_.profile,
                                 {storedPuzzleMode(round.board.mode()), round.board.dimension(),
                                  round.moves, static_cast<int>(round.elapsed)},
                                 this);
    dialog.exec();
}

void MainFrame::toggleToolbar()
{
    toolbar_->setVisible(!toolbar_->isVisible());
    bands_.toolbarShown = !bands_.toolbarShown;
}

void MainFrame::setPuzzleSize(int n)
{
    settings_.dimension = n;
    loader_.cover(boardFit()); // the picture is unchanged: its pixels serve again
    startPuzzle();
}

void MainFrame::setPuzzleMode(PuzzleMode mode)
{
    settings_.puzzleMode = mode;
    flow_.jumble();
    repaintBoard();
}

void MainFrame::toggleSound()
{
    settings_.sound = !settings_.sound;
}

void MainFrame::undo()
{
    board_->play([this] { return flow_.undo(); });
}

void MainFrame::redo()
{
    board_->play([this] { return flow_.redo(); });
}

void MainFrame::hint()
{
    board_->play([this] { return flow_.hint(); });
}

void MainFrame::peek()
{
    board_->setPeek(true); // until the next click on the board or Space let go
}

void MainFrame::toggleAnimations()
{
    settings_.animations = !settings_.animations;
}

void MainFrame::restart()
{
    flow_.restart();
    repaintBoard();
}

void MainFrame::toggleStatusBar()
{
    settings_.statusBar = !settings_.statusBar;
    status_->setVisible(settings_.statusBar); // the window grows or shrinks by its height
}

void MainFrame::toggleTileNumbers()
{
    settings_.tileNumbers = !settings_.tileNumbers;
    repaintBoard();
}

void MainFrame::showHelp()
{
    const QPointer<MainFrame> frame(this);
    const QString page = helpPage_;
    const auto failed = [frame, page](int code) {
        if (frame)
            QMessageBox::warning(
                frame, ProductName,
                tr("The help page cannot be opened:\n%1\n\n%2")
                    .arg(QDir::toNativeSeparators(page), HyperlinkLabel::openFailureText(code)));
    };
    if (const int code = services_.shell.open(page, failed); code <= 32)
        failed(code);
}

void MainFrame::showAbout()
{
    AboutDialog dialog(services_.shell, this);
    dialog.exec();
}

bool MainFrame::hasKeptGame() const
{
    return anyKeptGame(services_.profile);
}

void MainFrame::resumeLastPuzzle()
{
    ProfileStore& profile = services_.profile;
    profile.sync(); // what another copy kept meanwhile
    const std::vector<KeptGame> games = readKeptGames(profile);
    if (games.empty()) {
        QMessageBox::information(this, ProductName, tr("There is no unfinished puzzle to resume."));
        return;
    }
    const KeptGame kept = games.front();
    const std::optional<KeptGame> underWay = gameUnderWay();
    if (!loader_.loadKept(kept.picturePath, kept.zipIndex, kept.builtIn, boardFit())) {
        QMessageBox::warning(this, ProductName,
                             tr("The picture of the unfinished puzzle can no longer be loaded:\n%1")
                                 .arg(QDir::toNativeSeparators(kept.picturePath)));
        return;
    }
    // Out of the profile at once, so the game can never be finished twice; the game left
    // for it is kept as the newest.
    keepGamesWith(profile, settings_, underWay, kept);
    flow_.resume(kept.game);
    settings_.puzzleMode = kept.game.board.mode();
    settings_.dimension = kept.game.board.dimension();
    layOutBoard();
    showBoard();
}

void MainFrame::exit()
{
    // As the close box: the close saves once, and the game ends with its last window.
    close();
}
