// Large font: the application's font at another size while it lives, as a player's system
// setting gives it.
#pragma once

#include <QApplication>
#include <QFont>
#include <QTest>
#include <initializer_list>

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

// Data rows of a "points" column for a test run at each size, 0 being the system's.
inline void addFontSizeRows(std::initializer_list<int> sizes)
{
    QTest::addColumn<int>("points");
    for (const int points : sizes) {
        const QByteArray name =
            points == 0 ? QByteArray("system font") : QByteArray::number(points) + " points";
        QTest::newRow(name.constData()) << points;
    }
}
