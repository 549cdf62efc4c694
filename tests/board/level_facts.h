#pragma once

// The levels as players know them, read from tests/levels.txt: a mistyped
// value in the game's own tables fails the tests that use these. With them,
// the random source that draws the target a test chooses.

#include "board/level_table.h"
#include "board/ports.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace numorra::testing {

struct LevelFacts {
    Level level; // the levels come in the game's order
    std::string name;
    std::string window;
    int lowest;  // the target of the lowest draw
    int highest; // the target of the highest draw; no box holds it
    int seconds; // the time a start shows, and the ticks until time up
    std::string win;
    std::string miss; // the box's number follows it directly
};

// A box in box order: its name, its place in the grid (from 1) and the
// number it hides on each level, in the levels' order.
struct BoxFacts {
    std::string name;
    int row;
    int column;
    std::vector<int> numbers;
};

struct Facts {
    std::vector<LevelFacts> levels;
    std::vector<BoxFacts> boxes;
};

inline const Facts& facts()
{
    static const Facts read = [] {
        Facts all;
        std::ifstream file(NUMORRA_LEVEL_FACTS);
        for (std::string line; std::getline(file, line);) {
            std::istringstream words(line);
            std::string kind;
            std::string name;
            words >> kind >> name;
            const auto named = std::ranges::find(all.levels, name, &LevelFacts::name);
            if (kind == "level") {
                LevelFacts& level = all.levels.emplace_back();
                level.level = kLevels.at(all.levels.size() - 1);
                level.name = name;
                words >> level.window >> level.lowest >> level.highest >> level.seconds;
            } else if (kind == "win" || kind == "miss") {
                words >> std::quoted(kind == "win" ? named->win : named->miss);
            } else if (kind == "box") {
                BoxFacts& box = all.boxes.emplace_back(BoxFacts{name, 0, 0, {}});
                words >> box.row >> box.column;
                for (int number = 0; words >> number;) {
                    box.numbers.push_back(number);
                }
            }
        }
        if (all.levels.size() != kLevels.size() || all.boxes.size() != kBoxCount) {
            throw std::runtime_error(NUMORRA_LEVEL_FACTS " does not hold every level and box");
        }
        return all;
    }();
    return read;
}

inline const LevelFacts& factsOf(Level level)
{
    return facts().levels.at(static_cast<std::size_t>(level));
}

inline const BoxFacts& boxFacts(int box)
{
    return facts().boxes.at(static_cast<std::size_t>(box));
}

// The number box `box` (in box order) hides on `level`.
inline int numberOn(int box, Level level)
{
    return boxFacts(box).numbers.at(static_cast<std::size_t>(level));
}

// A box's index in box order, by its name.
inline int boxNamed(const std::string& name)
{
    const auto found = std::ranges::find(facts().boxes, name, &BoxFacts::name);
    return static_cast<int>(found - facts().boxes.begin());
}

// The messages, with their style codes as numbers: 16 critical, 48
// exclamation, 64 information.
inline Message winOn(Level level)
{
    return {factsOf(level).win, "Congratulations.", MessageStyle{48}};
}

inline Message missOn(Level level, int number)
{
    return {factsOf(level).miss + std::to_string(number), "Try Again.", MessageStyle{64}};
}

inline const Message kTimeUp{"Your Time is Up.", "Time Up", MessageStyle{16}};
inline const Message kNoMoreChance{"You Have No More Chance.", "Chance Finished.",
                                   MessageStyle{16}};

// Draws the values a test scripts, first to last, so the target number is
// known. The one random source of the tests, the window tests' too.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override {}
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
};

// The r that makes `target` the target number on `level`: the draws from 0
// up to 1 fall evenly on the level's range, lowest to highest.
inline double drawFor(Level level, int target)
{
    const LevelFacts& facts = factsOf(level);
    return (target - facts.lowest + 0.5) / (facts.highest - facts.lowest + 1);
}

} // namespace numorra::testing
