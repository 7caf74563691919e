// Colours: whether a colour shown is the one meant, said once for every test that reads pixels.
#pragma once

#include <QColor>
#include <cstdlib>

// Whether two colours differ by at most the tolerance in each of red, green and blue.
inline bool nearColour(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
