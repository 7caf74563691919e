// Large font: the application's font at another size while it lives, as a player's system
// setting gives it.
#pragma once

#include <QApplication>
#include <QFont>

class LargeFont {
public:
    // 0 keeps the system's size.
    explicit LargeFont(int points)
        : before_(QApplication::font())
    {
        if (points <= 0)
            return;
        QFont large = before_;
        large.setPointSize(points);
        QApplication::setFont(large);
    }
    ~LargeFont() { QApplication::setFont(before_); }
    LargeFont(const LargeFont&) = delete;
    LargeFont& operator=(const LargeFont&) = delete;

private:
    QFont before_;
};
