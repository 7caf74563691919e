// Clock: wall-clock time in whole seconds, behind an interface so tests can set the time.
#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowSeconds() const = 0;
};

class SystemClock : public Clock {
public:
    std::int64_t nowSeconds() const override;
};
