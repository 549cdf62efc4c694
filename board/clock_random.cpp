#include "board/clock_random.h"

#include <chrono>
#include <cstdint>

namespace numorra {

void ClockRandom::reseed()
{
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32U)};
    engine_.seed(seed);
}

double ClockRandom::draw()
{
    // The top 53 bits fill a double's mantissa exactly, so r never reaches 1.
    constexpr double kScale = 1.0 / static_cast<double>(std::uint64_t{1} << 53U);
    return static_cast<double>(engine_() >> 11U) * kScale;
}

} // namespace numorra
