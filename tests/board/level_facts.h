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
    std::vector<int> numbers; // what each box hides, in box order
};

struct Facts {
    std::vector<LevelFacts> levels; // in the game's order of levels
    std::vector<std::string> boxes; // box order: Command2 to Command45
};

inline const Facts& facts()
{
    static const Facts read = [] {
        Facts all;
        std::map<int, std::pair<std::string, int>> boxes; // by number: name, place on the board
        std::map<std::string, std::vector<int>> numbers;  // by level, in board order
        std::ifstream file(NUMORRA_LEVEL_FACTS);
        for (std::string line; std::getline(file, line);) {
            std::istringstream words(line);
            std::string kind;
            std::string word;
            words >> kind;
            if (kind == "level") {
                LevelFacts& level = all.levels.emplace_back();
                words >> level.name >> level.window >> level.lowest >> level.highest >>
                    level.seconds;
            } else if (kind == "win" || kind == "miss") {
                words >> word;
                auto& level = *std::ranges::find(all.levels, word, &LevelFacts::name);
                words >> std::quoted(kind == "win" ? level.win : level.miss);
            } else if (kind == "boxes") {
                while (words >> word) {
                    boxes[std::stoi(word.substr(7))] = {word, static_cast<int>(boxes.size())};
                }
            } else if (kind == "numbers") {
                words >> word;
                for (int number = 0; words >> number;) {
                    numbers[word].push_back(number);
                }
            }
        }
        for (const auto& [number, box] : boxes) {
            all.boxes.push_back(box.first);
            for (LevelFacts& level : all.levels) {
                level.numbers.push_back(
                    numbers[level.name].at(static_cast<std::size_t>(box.second)));
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
