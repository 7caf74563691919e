// MainFrame's commands: what each menu item, shortcut and toolbar button does.
#include "about/aboutdialog.h"
#include "about/helpwindow.h"
#include "boardstage.h"
#include "game/boardview.h"
#include "game/solutiondialog.h"
#include "gamestatusbar.h"
#include "gift/giftdialog.h"
#include "keptgame.h"
#include "mainframe.h"
#include "maintoolbar.h"
#include "pictures/openpicturedialog.h"
#include "pictures/problemmessages.h"
#include "platform/product.h"
#include "platform/shell.h"
#include "scores/congratulationsdialog.h"
#include "scores/scoreboarddialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>

void MainFrame::newFromFolder()
{
    closeSolution();
    newPuzzle();
}

void MainFrame::newFromZip()
{
    closeSolution();
    std::optional<PictureRequest> request = session_.loader().otherFromZipRequest();
    if (!request) {
        QMessageBox::information(this, ProductName,
                                 tr("There is only 1 picture in this zip file!"));
        return;
    }
    fetch(std::move(*request), [this](PictureRequest chosen, FetchedPicture fetched) {
        startOnChosen(session_.loader().show(std::move(chosen), std::move(fetched)));
    });
}

void MainFrame::openPicture()
{
    OpenPictureDialog dialog(services_.pictureThreads, this);
    if (const QString folder = session_.openFolder(); !folder.isEmpty())
        dialog.setDirectory(folder);
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

void MainFrame::showSolution()
{
    if (!modeless_)
        showModeless(new SolutionDialog(picture(), this));
}

void MainFrame::showScoreboard()
{
    ScoreboardDialog dialog(services_.profile, this);
    dialog.exec();
}

void MainFrame::congratulate()
{
    // After an ending signal, before the dialog or while it shows, nobody is there to answer:
    // a place earned goes in under the name the dialog shows.
    if (const std::optional<GameResult> result = session_.scoreboardResult()) {
        CongratulationsDialog dialog(services_.profile, *result, this);
        if (!quiet_)
            dialog.exec();
        if (quiet_ && dialog.result() != QDialog::Accepted)
            dialog.enterResult();
        return;
    }
    if (!quiet_)
        QMessageBox::information(this, ProductName,
                                 tr("Solved with %n hint(s). Games with hints do not go on the "
                                    "scoreboard.",
                                    nullptr, flow().round().hints));
}

void MainFrame::toggleToolbar()
{
    toolbar_->setVisible(!toolbar_->isVisible());
    bands_.toolbarShown = !bands_.toolbarShown;
}

void MainFrame::setPuzzleSize(int n)
{
    dropNextNew(); // decoded for the board before
    session_.settings().dimension = n;
    session_.loader().cover(boardFit()); // the picture is unchanged: its pixels serve again
    startPuzzle();
}

void MainFrame::setPuzzleMode(PuzzleMode mode)
{
    session_.settings().puzzleMode = mode;
    session_.flow().jumble();
}

void MainFrame::toggleStatusBar()
{
    bool& shown = session_.settings().statusBar;
    shown = !shown;
    status_->setVisible(shown); // the window grows or shrinks by its height
}

void MainFrame::toggleFullScreen()
{
    if (const std::optional<QRect> windowed = windowed_) {
        windowed_.reset();
        stage_->setDarkGround(false);
        showNormal();
        setGeometry(*windowed); // where it was, whatever frame the full screen left off
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        layOutBoard(); // the board it had, unless its picture or size changed meanwhile
        return;
    }
    windowed_ = geometry();
    // The window no longer follows the board: the board follows the screen.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    stage_->setMinimumSize(0, 0);
    stage_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    stage_->setDarkGround(true);
    showFullScreen();
    fillStage();
}

void MainFrame::showHelp()
{
    const QPointer<MainFrame> frame(this);
    const auto failed = [frame](int) {
        if (frame)
            frame->showHelpHere();
    };
    if (const int code = services_.shell.open(helpPage_, failed); code <= 32)
        failed(code);
}

void MainFrame::showHelpHere()
{
    if (!QFileInfo::exists(helpPage_)) {
        QMessageBox::warning(this, ProductName,
                             tr("The help page is missing:\n%1\n\nIt was not installed with "
                                "the game.")
                                 .arg(QDir::toNativeSeparators(helpPage_)));
        return;
    }
    if (helpWindow_ == nullptr)
        helpWindow_ = new HelpWindow(helpPage_, this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void MainFrame::showAbout()
{
    AboutDialog dialog(services_.shell, this);
    dialog.exec();
}

void MainFrame::resumeLastPuzzle()
{
    const std::optional<KeptGame> kept = session_.newestKeptGame();
    if (!kept) {
        QMessageBox::information(this, ProductName, tr("There is no unfinished puzzle to resume."));
        return;
    }
    fetch(session_.keptRequest(*kept), [this, kept = *kept](PictureRequest request,
                                                            FetchedPicture fetched) {
        const Resumption resumed = session_.resume(kept, std::move(request), std::move(fetched));
        if (resumed.outcome == Resumption::Outcome::Resumed) {
            layOutBoard();
            showBoard();
            return;
        }
        QMessageBox::warning(
            this, ProductName,
            tr("The picture of the unfinished puzzle can no longer be loaded:\n%1\n\n%2\n"
               "The puzzle is no longer kept.")
                .arg(QDir::toNativeSeparators(resumed.picturePath), whyNotShown(resumed.why)));
    });
}

void MainFrame::exit()
{
    // As the close box: the close saves once, and the game ends with its last window.
    close();
}
