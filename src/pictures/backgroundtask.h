// Background task: work done on another thread, its result handed back to this one.
#pragma once

#include "picture.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <functional>
#include <memory>

// Runs finished on the watcher's thread once its future has finished.
void whenFinished(QFutureWatcherBase& watcher, std::function<void()> finished);

// One task at a time: a newer start drops the result of the one before, which still runs to
// its end on its thread but is handed to nobody. The threads must outlive the task.
template <typename Result> class BackgroundTask {
public:
    using Done = std::function<void(Result)>;

    explicit BackgroundTask(QThreadPool& threads)
        : threads_(threads)
    {}

    // Runs the work on one of the threads; done then runs on this thread with its result,
    // unless another start or a drop came first.
    template <typename Work> void start(Work work, Done done)
    {
        drop();
        watcher_ = std::make_unique<QFutureWatcher<Result>>();
        QFutureWatcher<Result>* watcher = watcher_.get();
        whenFinished(*watcher, [this, watcher, done = std::move(done)] {
            Result result = watcher->future().takeResult();
            spent_ = std::move(watcher_); // it is in its own signal still
            done(std::move(result));
        });
        watcher->setFuture(QtConcurrent::run(&threads_, std::move(work)));
    }

    // Forgets the task under way: a watcher may go while its work runs on.
    void drop() { watcher_.reset(); }
    bool busy() const { return watcher_ != nullptr; }

private:
    QThreadPool& threads_;
    std::unique_ptr<QFutureWatcher<Result>> watcher_;
    std::unique_ptr<QFutureWatcher<Result>> spent_; // the last to finish, kept till the next
};

// A picture decoded in the background, as the open dialog's preview is.
extern template class BackgroundTask<Picture>;
