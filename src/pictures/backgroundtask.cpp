// Background task: work done on another thread, its result handed back to this one.
#include "backgroundtask.h"

void whenFinished(QFutureWatcherBase& watcher, std::function<void()> finished)
{
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &watcher, std::move(finished));
}

template class BackgroundTask<Picture>;
