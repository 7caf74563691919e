// Modal dialogs: lets a test act in the next modal dialog of a type, once it is open.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs the action on the first modal dialog of type Dialog to open, within a few seconds,
// from inside its own event loop. A dialog the action leaves open is cancelled, so that a
// failing test fails instead of waiting forever. False when the timer could not start.
template <typename Dialog> bool whenModal(std::function<void(Dialog&)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
    QTimer::singleShot(5000, poll, &QObject::deleteLater);
    poll->start(10);
    return poll->isActive();
}
