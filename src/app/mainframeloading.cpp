// MainFrame's picture loads: each fetched off the window's thread, and the next New's ahead.
#include "game/boardview.h"
#include "gamestatusbar.h"
#include "mainframe.h"
#include "pictures/problemmessages.h"

#include <QDir>
#include <QFileInfo>

void MainFrame::newPuzzle()
{
    // A random pick that cannot be shown gives the built-in picture without a word.
    const auto shown = [this](PictureRequest request, FetchedPicture fetched) {
        session_.loader().show(std::move(request), std::move(fetched));
        session_.loader().cover(boardFit()); // the screen may have changed meanwhile
        startPuzzle();
        prepareNextNew();
    };
    if (nextNew_ && fileUnchanged(*nextNew_)) {
        if (!nextNew_->fetched) { // still decoding: it is shown when it comes
            nextNew_->wanted = true;
            showLoading(true);
            return;
        }
        const Picture& ready = nextNew_->fetched->picture;
        if (ready.covers(boardFit()(ready.size()))) {
            NextNew next = std::move(*nextNew_);
            nextNew_.reset();
            settleLoad([&] { shown(std::move(next.request), std::move(*next.fetched)); });
            return;
        }
    }
    fetch(session_.loader().randomRequest(settings().folder), shown);
}

bool MainFrame::fileUnchanged(const NextNew& next)
{
    const QFileInfo file(next.request.source.picturePath);
    return file.size() == next.fileSize && file.lastModified() == next.modified;
}

void MainFrame::prepareNextNew()
{
    dropNextNew();
    PictureRequest request = session_.loader().randomRequest(settings().folder);
    if (!request.decided)
        return; // nothing to show but the built-in picture
    const QFileInfo file(request.source.picturePath);
    nextNew_ = NextNew{request, file.size(), file.lastModified(), std::nullopt, false};
    fetchInBackground(preparing_, request, boardFit(), [this](FetchedPicture fetched) {
        nextNew_->fetched = std::move(fetched);
        if (nextNew_->wanted)
            newPuzzle();
    });
}

void MainFrame::dropNextNew()
{
    preparing_.drop();
    if (nextNew_ && nextNew_->wanted)
        showLoading(false);
    nextNew_.reset();
}

void MainFrame::fetch(PictureRequest request, Shown shown)
{
    dropNextNew(); // drawn for the picture shown before
    fetchInBackground(fetch_, request, boardFit(),
                      [this, request, shown = std::move(shown)](FetchedPicture fetched) {
                          settleLoad([&] { shown(request, std::move(fetched)); });
                      });
    showLoading(true);
}

void MainFrame::settleLoad(const std::function<void()>& show)
{
    showLoading(false);
    board_->settle();
    show();
    board_->repaint();
    refreshCommands();
    status_->refresh();
}

void MainFrame::showLoading(bool loading)
{
    board_->setWaiting(loading);
    status_->setLoading(loading);
    refreshCommands();
}

void MainFrame::startOnChosen(const std::optional<UnshownPicture>& unshown)
{
    startPuzzle();
    if (unshown)
        reportUnshown(*unshown);
}

void MainFrame::reportUnshown(const UnshownPicture& unshown)
{
    if (quiet_)
        return;
    // A gift's picture lives in the program file; an archive's is named inside it.
    QString name = QDir::toNativeSeparators(
        unshown.path == GiftPictureName && pictureSource().giftMode ? programPath_ : unshown.path);
    if (!unshown.entry.isEmpty())
        name += QStringLiteral(": ") + unshown.entry;
    reportUnshownPicture(this, name, unshown.why);
}

void MainFrame::openPath(const QString& path, int zipIndex, int zipCount)
{
    fetch(session_.openRequest(path, zipIndex, zipCount),
          [this](PictureRequest request, FetchedPicture fetched) {
              startOnChosen(session_.showOpened(std::move(request), std::move(fetched)));
          });
}
