#pragma once

#include "board/ports.h"

#include <random>

namespace numorra {

// The game's own random source: a Mersenne Twister reseeded from the
// high-resolution clock at every start, so that two starts within the same
// second still draw independently.
class ClockRandom final : public RandomSource {
public:
    void reseed() override;
    double draw() override;

private:
    std::mt19937_64 engine_{std::random_device{}()};
};

} // namespace numorra
