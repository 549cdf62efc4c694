#pragma once

// The levels as players know them, written out as the game gives them: a
// mistyped value in the game's own tables fails the tests that use these.
// With them, the random source that draws the target a test chooses.

#include "board/level_table.h"
#include "board/ports.h"

#include <algorithm>
#include <array>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>

namespace numorra::testing {

struct LevelFacts {
    Level level;
    const char* window;
    int lowest;  // the target of the lowest draw
    int highest; // the target of the highest draw; no box holds it
    int seconds; // the time a start shows, and the ticks until time up
    const char* win;
    const char* miss; // the box's number follows it directly
};

inline const std::array<LevelFacts, 3> kLevelFacts{{
    {Level::Easy, "Form1", 55, 554, 30,
     "You Won!!!....Now Find Out The Next Number.................Donations are "
     "appreciated....Ombrevale Quillimont",
     ":-( Sorry! This Button Contains : "},
    {Level::Medium, "medium1", 102, 601, 20, ":-) You Won!!!....Now Find Out The Next Number.",
     ":-( Sorry This Button Contains : "},
    {Level::Hard, "hard1", 156, 655, 10, ":-) You Won!!!....Now Find Out The Next Number.",
     ":-( Sorry! This Button Contains : "},
}};

inline const LevelFacts& factsOf(Level level)
{
    return *std::ranges::find(kLevelFacts, level, &LevelFacts::level);
}

// Every box in box order: its name, its place in the grid and the number it
// hides on Easy, Medium and Hard.
struct BoxFacts {
    std::string_view name;
    int row;
    int column;
    std::array<int, 3> numbers;
};

inline const std::array<BoxFacts, 40> kBoxFacts{{
    {"Command2", 2, 4, {317, 595, 543}},  {"Command3", 2, 5, {529, 251, 503}},
    {"Command4", 2, 6, {62, 533, 591}},   {"Command5", 2, 7, {422, 582, 422}},
    {"Command6", 2, 8, {378, 130, 450}},  {"Command7", 3, 1, {204, 128, 338}},
    {"Command8", 3, 2, {168, 215, 363}},  {"Command9", 3, 3, {199, 124, 563}},
    {"Command10", 3, 4, {176, 509, 551}}, {"Command11", 3, 5, {366, 516, 182}},
    {"Command12", 3, 6, {407, 233, 422}}, {"Command13", 3, 7, {462, 489, 508}},
    {"Command14", 3, 8, {289, 454, 611}}, {"Command15", 4, 1, {321, 223, 305}},
    {"Command16", 4, 2, {351, 364, 184}}, {"Command17", 4, 3, {321, 241, 630}},
    {"Command18", 4, 4, {435, 309, 445}}, {"Command19", 4, 5, {194, 537, 163}},
    {"Command20", 4, 6, {548, 246, 295}}, {"Command21", 4, 7, {83, 368, 587}},
    {"Command22", 4, 8, {349, 592, 418}}, {"Command23", 5, 1, {241, 413, 510}},
    {"Command24", 5, 2, {545, 497, 269}}, {"Command25", 5, 3, {237, 557, 306}},
    {"Command26", 5, 4, {467, 336, 570}}, {"Command27", 5, 5, {490, 396, 277}},
    {"Command28", 5, 6, {402, 398, 452}}, {"Command29", 5, 7, {486, 485, 536}},
    {"Command30", 5, 8, {469, 284, 467}}, {"Command31", 2, 3, {262, 576, 390}},
    {"Command32", 1, 4, {81, 482, 178}},  {"Command37", 1, 3, {438, 456, 646}},
    {"Command38", 1, 2, {510, 288, 342}}, {"Command39", 1, 1, {535, 425, 287}},
    {"Command40", 1, 5, {344, 449, 649}}, {"Command41", 1, 6, {205, 514, 300}},
    {"Command42", 1, 7, {450, 109, 636}}, {"Command43", 1, 8, {186, 391, 568}},
    {"Command44", 2, 1, {77, 368, 479}},  {"Command45", 2, 2, {409, 252, 539}},
}};

// The number a box hides on a level; its numbers follow kLevelFacts.
inline int numberOn(const BoxFacts& box, Level level)
{
    return box.numbers.at(static_cast<std::size_t>(&factsOf(level) - kLevelFacts.data()));
}

// A box's index in box order, by its name.
inline int boxNamed(std::string_view name)
{
    const auto* found = std::ranges::find(kBoxFacts, name, &BoxFacts::name);
    return static_cast<int>(found - kBoxFacts.begin());
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
