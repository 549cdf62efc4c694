#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numorra {

enum class Level { Easy, Medium, Hard };

inline constexpr std::array kLevels{Level::Easy, Level::Medium, Level::Hard};

inline constexpr int kBoxCount = 40;
inline constexpr int kGridRows = 5;
inline constexpr int kGridColumns = 8;

// Every level draws its target from this many consecutive numbers.
inline constexpr int kTargetSpan = 500;
// The game ends once more than this many boxes have been opened.
inline constexpr int kChanceLimit = 7;

// A box's control name and its place in the grid (row 1 at the top,
// column 1 at the left). The boxes are listed in box order, the order in
// which every routine that visits all boxes goes through them.
struct BoxPlace {
    std::string_view name;
    int row;
    int column;
};

inline constexpr std::array<BoxPlace, kBoxCount> kBoxPlaces{{
    {"Command2", 2, 4},  {"Command3", 2, 5},  {"Command4", 2, 6},  {"Command5", 2, 7},
    {"Command6", 2, 8},  {"Command7", 3, 1},  {"Command8", 3, 2},  {"Command9", 3, 3},
    {"Command10", 3, 4}, {"Command11", 3, 5}, {"Command12", 3, 6}, {"Command13", 3, 7},
    {"Command14", 3, 8}, {"Command15", 4, 1}, {"Command16", 4, 2}, {"Command17", 4, 3},
    {"Command18", 4, 4}, {"Command19", 4, 5}, {"Command20", 4, 6}, {"Command21", 4, 7},
    {"Command22", 4, 8}, {"Command23", 5, 1}, {"Command24", 5, 2}, {"Command25", 5, 3},
    {"Command26", 5, 4}, {"Command27", 5, 5}, {"Command28", 5, 6}, {"Command29", 5, 7},
    {"Command30", 5, 8}, {"Command31", 2, 3}, {"Command32", 1, 4}, {"Command37", 1, 3},
    {"Command38", 1, 2}, {"Command39", 1, 1}, {"Command40", 1, 5}, {"Command41", 1, 6},
    {"Command42", 1, 7}, {"Command43", 1, 8}, {"Command44", 2, 1}, {"Command45", 2, 2},
}};

// The index in box order of box number `box` (from 0), checked: throws
// std::out_of_range for a box there is not.
std::size_t boxIndex(int box);

// What makes one level different from the others.
struct LevelData {
    Level level;
    std::string_view windowName;  // the board window's object name
    std::int16_t targetOffset;    // the smallest target number
    std::int16_t startingSeconds; // one more than the player's time: the start ticks once at once
    std::array<std::int16_t, kBoxCount> boxNumbers; // in box order
    std::string_view winMessage;
    std::string_view missText; // the box's number follows it directly

    // The number hidden in the box at index `box` in box order.
    std::int16_t boxNumber(int box) const;
    // The player's time in seconds: the starting value less the tick that a
    // start runs at once.
    int playerSeconds() const { return startingSeconds - 1; }
    // How To Play's text, which names the level's time.
    std::string helpText() const;
};

const LevelData& levelData(Level level);

// The box (index in box order) at a place in the grid, rows and columns from 1.
int boxAt(int row, int column);

// The box `rowStep` rows and `columnStep` columns away from `box`, or none
// past the grid's edge.
std::optional<int> boxBeside(int box, int rowStep, int columnStep);

} // namespace numorra
