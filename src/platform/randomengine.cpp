// RandomEngine: the one source of random numbers, seeded once and handed to whoever draws.
#include "randomengine.h"

#include <chrono>

std::uint32_t RandomEngine::startupSeed()
{
    std::random_device device;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return device() ^ static_cast<std::uint32_t>(ticks);
}

int RandomEngine::below(int bound)
{
    // Lemire's multiply-and-shift: unbiased, and a division only in the rare rejection case.
    const auto range = static_cast<std::uint32_t>(bound);
    std::uint64_t product = std::uint64_t{engine_()} * range;
    auto low = static_cast<std::uint32_t>(product);
    if (low < range) {
        const std::uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            product = std::uint64_t{engine_()} * range;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<int>(product >> 32);
}
