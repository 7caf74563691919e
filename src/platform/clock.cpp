// Clock: seconds of a monotonic clock, behind an interface so tests can set the time.
#include "clock.h"

#include <chrono>

std::int64_t SystemClock::nowSeconds() const
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(sinceStart).count();
}
