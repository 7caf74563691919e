// Picture fetch: a picture read and decoded off the window's thread.
#pragma once

#include "puzzleloader.h"

#include <QFutureWatcher>
#include <functional>
#include <memory>

class QThreadPool;

// One fetch at a time: a newer one drops the result of the one before, which still runs to
// its end on its thread but shows nothing.
class PictureFetch {
public:
    using Done = std::function<void(PictureRequest, FetchedPicture)>;

    // The threads must outlive the fetch.
    explicit PictureFetch(QThreadPool& threads);
    ~PictureFetch();
    PictureFetch(const PictureFetch&) = delete;
    PictureFetch& operator=(const PictureFetch&) = delete;

    // Fetches the request's picture at the fit on one of the threads; done then runs on this
    // thread, unless another start or a drop came first.
    void start(PictureRequest request, const PictureFit& fit, Done done);
    // Forgets the fetch under way.
    void drop();
    bool busy() const { return watcher_ != nullptr; }

private:
    QThreadPool& threads_;
    std::unique_ptr<QFutureWatcher<FetchedPicture>> watcher_;
    std::unique_ptr<QFutureWatcher<FetchedPicture>>
        spent_; // the last to finish, kept till the next
};
