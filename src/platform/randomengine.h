// RandomEngine: the one source of random numbers, seeded once and handed to whoever draws.
#pragma once

#include <cstdint>
#include <random>

class RandomEngine {
public:
    explicit RandomEngine(std::uint32_t seed)
        : engine_(seed)
    {}

    // A seed that differs from run to run, for the engine made at start-up.
    static std::uint32_t startupSeed();

    // A uniform draw from 0 .. bound-1 (bound > 0). Independent of the standard library's
    // distributions, so a seed gives the same numbers on every platform.
    int below(int bound);

private:
    std::mt19937 engine_;
};
