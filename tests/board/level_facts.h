#pragma once

// The levels as players know them (tests/levels.txt), and a random source
// that draws the target a test chooses.

#include "board/level_table.h"
#include "board/ports.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <iomanip>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace numorra::testing {

struct LevelFacts {
    std::string name;
    std::string window;
    int lowest = 0; // the range of the targets
    int highest = 0;
    int seconds = 0;
    std::string win;
    std::string miss;
    std::vector<int> numbers; // what each box hides, in box order: Command2 to Command45
};

inline const LevelFacts& factsOf(Level which)
{
    static const std::vector<LevelFacts> levels = [] {
        std::vector<LevelFacts> all;
        std::map<int, std::size_t>
            places; // by a box's number (7 for Command7), its place on the board
        std::map<std::string, std::vector<int>> laidOut; // each level's numbers, place by place
        std::ifstream file(NUMORRA_LEVEL_FACTS);
        for (std::string line, kind, word; std::getline(file, line);) {
            std::istringstream words(line);
            words >> kind;
            if (kind == "level") {
                LevelFacts& level = all.emplace_back();
                words >> level.name >> level.window >> level.lowest >> level.highest >>
                    level.seconds;
            } else if (kind == "win" || kind == "miss") {
                words >> word;
                auto& level = *std::ranges::find(all, word, &LevelFacts::name);
                words >> std::quoted(kind == "win" ? level.win : level.miss);
            } else if (kind == "boxes") {
                while (words >> word) {
                    places.emplace(std::stoi(word.substr(7)), places.size());
                }
            } else if (kind == "numbers") {
                words >> word;
                for (int number = 0; words >> number;) {
                    laidOut[word].push_back(number);
                }
            }
        }
        for (LevelFacts& level : all) {
            for (const auto& [box, place] : places) {
                level.numbers.push_back(laidOut[level.name].at(place));
            }
        }
        if (all.size() != kLevels.size() || places.size() != kBoxCount) {
            throw std::runtime_error(NUMORRA_LEVEL_FACTS " does not hold every level and box");
        }
        return all;
    }();
    return levels.at(static_cast<std::size_t>(which));
}

// The number box `box` (in box order) hides on `level`.
inline int numberOn(int box, Level level)
{
    return factsOf(level).numbers.at(static_cast<std::size_t>(box));
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

// The r that makes `target` the target on `level`: the draws from 0 up to
// 1 fall evenly on the level's range, lowest to highest.
inline double drawFor(Level level, int target)
{
    const LevelFacts& facts = factsOf(level);
    return (target - facts.lowest + 0.5) / (facts.highest - facts.lowest + 1);
}

} // namespace numorra::testing
