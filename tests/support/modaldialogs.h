// Modal dialogs: lets a test act in the next modal dialog of a type, once it is open.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <source_location>

// While it lives, runs the action on the first modal dialog of type Dialog to open, from
// inside the dialog's own event loop. A dialog the action leaves open is cancelled, so that
// a failing test fails instead of waiting forever. When the guard ends, with the test's
// scope, its timer stops with it, and the test fails if no such dialog ever opened.
template <typename Dialog> class ModalGuard {
public:
    explicit ModalGuard(std::function<void(Dialog&)> action,
                        std::source_location where = std::source_location::current())
        : where_(where)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, action] {
            auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            poll_.stop();
            opened_ = true;
            action(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll_.start(10);
    }
    ModalGuard(const ModalGuard&) = delete;
    ModalGuard& operator=(const ModalGuard&) = delete;

    ~ModalGuard()
    {
        poll_.stop();
        if (!opened_ && !QTest::currentTestFailed())
            QTest::qFail("the expected modal dialog never opened", where_.file_name(),
                         static_cast<int>(where_.line()));
    }

    bool opened() const { return opened_; }

private:
    QTimer poll_;
    bool opened_ = false;
    std::source_location where_;
};
