// MainFrame's commands: what each menu item, shortcut and toolbar button does.
#include "about/aboutdialog.h"
#include "game/boardview.h"
#include "game/gamestate.h"
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
#include "settings.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

void MainFrame::newFromFolder()
{
    closeSolution();
    newPuzzle(true);
}

void MainFrame::newFromZip()
{
    closeSolution();
    if (state_.zipCount == 1) {
        QMessageBox::information(this, ProductName,
                                 tr("There is only 1 picture in this zip file!"));
        return;
    }
    if (state_.zipCount < 1)
        return;
    const int previous = state_.zipIndex;
    while (state_.zipIndex == previous)
        state_.zipIndex = services_.random.below(state_.zipCount) + 1;
    newPuzzle(false);
}

void MainFrame::openPicture()
{
    OpenPictureDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return;
    openPath(dialog.chosenPath(), dialog.shownIndex(), dialog.shownCount());
}

void MainFrame::makeGift()
{
    if (state_.modelessOpen)
        return;
    state_.modelessOpen = true;
    auto* dialog = new GiftDialog(programPath_, picture_, this);
    connect(dialog, &QDialog::finished, this, [this] { state_.modelessOpen = false; });
    dialog->show();
}

void MainFrame::jumble()
{
    flow_.jumble();
    repaintBoard();
}

void MainFrame::toggleGrid()
{
    state_.grid = toggled(state_.grid);
    repaintBoard();
}

void MainFrame::setGridColour(int colour)
{
    state_.gridColour = colour;
    repaintBoard();
}

void MainFrame::setSelectionColour(int colour)
{
    state_.selColour = colour;
    repaintBoard();
}

void MainFrame::showSolution()
{
    if (state_.modelessOpen)
        return;
    state_.modelessOpen = true;
    solution_ = new SolutionDialog(picture_, this);
    connect(solution_, &QDialog::finished, this, [this] { state_.modelessOpen = false; });
    solution_->show();
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
    CongratulationsDialog dialog(
        services_.profile,
        {state_.puzzleMode, state_.dimension, state_.moves, static_cast<int>(state_.elapsed)},
        this);
    dialog.exec();
}

void MainFrame::toggleToolbar()
{
    toolbar_->setVisible(!toolbar_->isVisible());
    state_.toolbarVisible = !state_.toolbarVisible;
}

void MainFrame::setPuzzleSize(int n)
{
    state_.dimension = n;
    state_.selectedTile = -1;
    coverBoard(); // the picture is unchanged: its pixels serve again
    startPuzzle();
}

void MainFrame::setPuzzleMode(int mode)
{
    state_.puzzleMode = mode;
    flow_.jumble();
    repaintBoard();
}

void MainFrame::toggleSound()
{
    state_.sound = toggled(state_.sound);
}

void MainFrame::undo()
{
    if (flow_.undo())
        repaintBoard();
}

void MainFrame::redo()
{
    if (flow_.redo())
        board_->showMove();
}

void MainFrame::restart()
{
    flow_.restart();
    repaintBoard();
}

void MainFrame::toggleStatusBar()
{
    state_.statusBar = toggled(state_.statusBar);
    status_->setVisible(state_.statusBar != 0); // the window grows or shrinks by its height
}

void MainFrame::toggleTileNumbers()
{
    state_.tileNumbers = toggled(state_.tileNumbers);
    repaintBoard();
}

void MainFrame::showHelp()
{
    services_.shell.open(helpPage_); // a missing page changes nothing
}

void MainFrame::showAbout()
{
    AboutDialog dialog(services_.shell, this);
    dialog.exec();
}

void MainFrame::resumeLastPuzzle()
{
    const std::optional<KeptGame> kept = readKeptGame(services_.profile);
    if (!kept) {
        QMessageBox::information(this, ProductName, tr("There is no unfinished puzzle to resume."));
        return;
    }
    if (!loadKeptPicture(*kept)) {
        QMessageBox::warning(this, ProductName,
                             tr("The picture of the unfinished puzzle can no longer be loaded:\n%1")
                                 .arg(QDir::toNativeSeparators(kept->picturePath)));
        return;
    }
    // Out of the profile at once, so the game can never be finished twice.
    forgetKeptGame(services_.profile);
    services_.profile.sync();
    flow_.resume(kept->game);
    layOutBoard();
    showBoard();
}

void MainFrame::exit()
{
    saveOnLeaving();
    QApplication::quit();
}
