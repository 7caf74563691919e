// Clock: wall-clock time in whole seconds, behind an interface so tests can set the time.
#include "clock.h"

#include <QDateTime>

std::int64_t SystemClock::nowSeconds() const
{
    return QDateTime::currentSecsSinceEpoch();
}
