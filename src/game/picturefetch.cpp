// Picture fetch: a picture read and decoded off the window's thread.
#include "picturefetch.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

PictureFetch::PictureFetch(QThreadPool& threads)
    : threads_(threads)
{}

PictureFetch::~PictureFetch() = default;

void PictureFetch::start(PictureRequest request, const PictureFit& fit, Done done)
{
    drop();
    watcher_ = std::make_unique<QFutureWatcher<FetchedPicture>>();
    QFutureWatcher<FetchedPicture>* watcher = watcher_.get();
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                     [this, watcher, request, done = std::move(done)]() mutable {
                         FetchedPicture fetched = watcher->future().takeResult();
                         spent_ = std::move(watcher_); // it is in its own signal still
                         done(std::move(request), std::move(fetched));
                     });
    watcher->setFuture(QtConcurrent::run(&threads_, fetchPicture, request, fit));
}

void PictureFetch::drop()
{
    // A watcher may go while its future runs on: the result then goes with the future.
    watcher_.reset();
}
