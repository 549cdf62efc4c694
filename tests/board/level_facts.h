#pragma once

// The levels as players know them, read from tests/levels.txt, and the
// random source that draws the target a test chooses: the rules' and the
// windows' tests share both.

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
    Level level = Level::Easy; // the levels come in the game's order
    std::string name;
    std::string window;
    int lowest = 0; // the range of the targets
    int highest = 0;
    int seconds = 0; // the time a start shows, and the ticks until time up
    std::string win;
    std::string miss; // the box's number follows it
};

struct BoxFacts {
    std::string name;
    int row = 0;
    int column = 0;
    std::vector<int> numbers; // on each level, in the levels' order
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
            const auto level = std::ranges::find(all.levels, name, &LevelFacts::name);
            if (kind == "level") {
                LevelFacts& facts = all.levels.emplace_back();
                facts.level = kLevels.at(all.levels.size() - 1);
                facts.name = name;
                words >> facts.window >> facts.lowest >> facts.highest >> facts.seconds;
            } else if (kind == "win" || kind == "miss") {
                words >> std::quoted(kind == "win" ? level->win : level->miss);
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

// The number box `box` (in box order) hides on `level`.
inline int numberOn(int box, Level level)
{
    return facts()
        .boxes.at(static_cast<std::size_t>(box))
        .numbers.at(static_cast<std::size_t>(level));
}

// Draws the values a test scripts, first to last, so the target is known.
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
