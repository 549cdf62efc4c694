#include "board/level_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace numorra {
namespace {

TEST(LevelTable, EachLevelHidesExactlyOneNumberInTwoBoxes)
{
    const std::map<Level, std::pair<int, std::set<std::string_view>>> expected{
        {Level::Easy, {321, {"Command15", "Command17"}}},
        {Level::Medium, {368, {"Command21", "Command44"}}},
        {Level::Hard, {422, {"Command5", "Command12"}}},
    };
    for (const Level level : kLevels) {
        std::map<int, std::set<std::string_view>> holders;
        for (int box = 0; box < kBoxCount; ++box) {
            const auto index = static_cast<std::size_t>(box);
            holders[levelData(level).boxNumbers.at(index)].insert(kBoxPlaces.at(index).name);
        }
        EXPECT_EQ(holders.size(), 39U);
        for (const auto& [number, boxes] : holders) {
            if (boxes.size() > 1) {
                EXPECT_EQ(number, expected.at(level).first);
                EXPECT_EQ(boxes, expected.at(level).second);
            }
        }
    }
}

TEST(LevelTable, EveryBoxNumberCanBeATarget)
{
    for (const Level level : kLevels) {
        const LevelData& data = levelData(level);
        for (const std::int16_t number : data.boxNumbers) {
            EXPECT_GE(number, data.targetOffset);
            EXPECT_LT(number, data.targetOffset + kTargetSpan);
        }
    }
}

TEST(LevelTable, BoxesFillTheGridOnceEach)
{
    std::set<std::pair<int, int>> places;
    for (const BoxPlace& place : kBoxPlaces) {
        places.insert({place.row, place.column});
        EXPECT_EQ(kBoxPlaces.at(static_cast<std::size_t>(boxAt(place.row, place.column))).name,
                  place.name);
    }
    EXPECT_EQ(places.size(), static_cast<std::size_t>(kBoxCount));
    EXPECT_EQ(*places.begin(), std::make_pair(1, 1));
    EXPECT_EQ(*places.rbegin(), std::make_pair(kGridRows, kGridColumns));
    EXPECT_THROW(boxAt(1, 9), std::out_of_range);
}

} // namespace
} // namespace numorra
