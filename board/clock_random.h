#pragma once

#include "board/ports.h"

#include <cstdint>
#include <functional>
#include <random>

namespace numorra {

// The clock's reading at a reseed: the high-resolution clock's ticks, so
// that two starts within the same second still draw independently.
std::uint64_t clockTicks();

// The draw that 64 random bits make: their top 53 bits fill a double's
// mantissa exactly, so 0 <= r < 1 holds for every value, the highest too.
double unitDraw(std::uint64_t bits);

// The game's own random source: a Mersenne Twister reseeded from the clock
// at every start. Tests hand it a clock of their own.
class ClockRandom final : public RandomSource {
public:
    explicit ClockRandom(std::function<std::uint64_t()> clock = clockTicks);

    void reseed() override;
    double draw() override;

private:
    std::function<std::uint64_t()> clock_;
    std::mt19937_64 engine_{std::random_device{}()};
};

} // namespace numorra
