#pragma once

#include "board/ports.h"
#include "tests/board/level_facts.h"

#include <deque>
#include <stdexcept>

namespace numorra::testing {

// Draws the values a test scripts, first to last, so the target number is
// known. The one random source of the tests, the window tests' too.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    double draw() override
    {
        if (draws.empty()) {
            throw std::logic_error("the test scripted no further draw");
        }
        const double r = draws.front();
        draws.pop_front();
        return r;
    }

    std::deque<double> draws;
    int reseeds = 0;
};

// The r that makes `target` the target number on `level`: the draws from 0
// up to 1 fall evenly on the level's range, lowest to highest.
inline double drawFor(Level level, int target)
{
    const LevelFacts& facts = factsOf(level);
    return (target - facts.lowest + 0.5) / (facts.highest - facts.lowest + 1);
}

} // namespace numorra::testing
