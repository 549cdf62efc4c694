#include "board/clock_random.h"

#include <chrono>
#include <utility>

namespace numorra {

std::uint64_t clockTicks()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

double unitDraw(std::uint64_t bits)
{
    constexpr double kScale = 1.0 / static_cast<double>(std::uint64_t{1} << 53U);
    return static_cast<double>(bits >> 11U) * kScale;
}

ClockRandom::ClockRandom(std::function<std::uint64_t()> clock) : clock_(std::move(clock))
{
}

void ClockRandom::reseed()
{
    const std::uint64_t ticks = clock_();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32U)};
    engine_.seed(seed);
}

double ClockRandom::draw()
{
    return unitDraw(engine_());
}

} // namespace numorra
