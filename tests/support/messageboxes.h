// Message boxes: answers the modal message boxes a test provokes, and remembers their texts.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// While it lives, every message box that opens is read and answered with the given button
// (OK by default).
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                widths << box->width();
                box->button(answer)->click();
            }
        });
        timer_.start(10);
    }

    QStringList texts;
    QList<int> widths;

private:
    QTimer timer_;
};
