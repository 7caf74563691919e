// Clock: seconds of a monotonic clock, behind an interface so tests can set the time.
#pragma once

#include <cstdint>

// Durations only: a game's time is the difference of two readings, which no change of the
// wall clock (a step by the network time service, a time zone) can make negative.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowSeconds() const = 0;
};

class SystemClock : public Clock {
public:
    std::int64_t nowSeconds() const override;
};
