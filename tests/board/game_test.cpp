#include "tests/board/harness.h"
#include "tests/board/level_facts.h"

#include <gtest/gtest.h>

namespace numorra::testing {
namespace {

class WholeGame : public ::testing::TestWithParam<LevelFacts> {};

// A whole game on each level: two misses, then the box with the target.
TEST_P(WholeGame, MissesThenAWin)
{
    const Level level = GetParam().level;
    Harness game(level);
    const int winner = boxNamed("Command22");
    const int target = numberOn(kBoxFacts.at(static_cast<std::size_t>(winner)), level);
    const int first = boxNamed("Command2");
    const int second = boxNamed("Command45");

    game.start(target);
    game.board.boxClick(first);
    game.ticks(3);
    game.board.boxClick(second);
    game.board.boxClick(winner);

    ASSERT_EQ(game.messages.shown.size(), 3U);
    EXPECT_EQ(game.messages.shown[0].message, missOn(level, numberOn(kBoxFacts.front(), level)));
    EXPECT_EQ(game.messages.shown[1].message, missOn(level, numberOn(kBoxFacts.back(), level)));
    EXPECT_EQ(game.messages.shown[2].message, winOn(level));

    // While a miss message is open the count and the box are as before it.
    const BoardControls& atMiss = game.messages.shown[1].controls;
    EXPECT_EQ(atMiss.text2Text, "1");
    EXPECT_EQ(atMiss.box(second).colour, kFreshColour);
    EXPECT_EQ(atMiss.box(first).colour, kOpenedColour);

    // While the win message is open the game is still running.
    const BoardControls& atWin = game.messages.shown[2].controls;
    EXPECT_TRUE(atWin.timer1Enabled);
    EXPECT_EQ(atWin.text2Text, "2");

    const BoardControls& end = game.controls();
    EXPECT_FALSE(end.timer1Enabled);
    EXPECT_TRUE(end.command1Enabled);
    EXPECT_EQ(end.command1Caption, "&Next Number");
    EXPECT_FALSE(end.command33Enabled);
    EXPECT_TRUE(allBoxes(end, false));
    EXPECT_EQ(end.text2Text, "3");
    EXPECT_EQ(end.box(winner).colour, kOpenedColour);
    EXPECT_EQ(end.text1Text, std::to_string(factsOf(level).seconds - 3));
    EXPECT_EQ(game.board.fields().opened, target);

    // Clicks on a locked board do nothing.
    game.board.boxClick(first);
    EXPECT_EQ(game.messages.shown.size(), 3U);
}

TEST_P(WholeGame, EightMissesEndItByTheChanceLimit)
{
    const Level level = GetParam().level;
    Harness game(level);
    const int target = factsOf(level).highest;
    game.start(target);
    for (int opening = 1; opening <= 7; ++opening) {
        game.board.boxClick(opening);
        EXPECT_EQ(game.controls().text2Text, std::to_string(opening));
        EXPECT_TRUE(game.board.gameInProgress());
    }
    const int eighth = 8;
    game.board.boxClick(eighth);

    ASSERT_EQ(game.messages.shown.size(), 9U);
    EXPECT_EQ(game.messages.shown[7].message.title, "Try Again.");
    EXPECT_EQ(game.messages.shown[8].message, kNoMoreChance);
    // The limit's message comes after the count and before the colour.
    EXPECT_EQ(game.messages.shown[8].controls.text2Text, "8");
    EXPECT_EQ(game.messages.shown[8].controls.box(eighth).colour, kFreshColour);
    EXPECT_EQ(game.controls().box(eighth).colour, kOpenedColour);
    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().command1Caption, "&Next Number");
    EXPECT_TRUE(allBoxes(game.controls(), false));
    EXPECT_FALSE(game.controls().command33Enabled);
}

INSTANTIATE_TEST_SUITE_P(Levels, WholeGame, ::testing::ValuesIn(kLevelFacts),
                         [](const auto& level) { return std::string(level.param.window); });

TEST(Openings, AWinOnTheEighthOpeningIsFollowedByTheChanceLimit)
{
    Harness game(Level::Easy);
    game.start(81); // Command32, index 30
    for (int box = 0; box < 7; ++box) {
        game.board.boxClick(box);
    }
    game.board.boxClick(30);
    const auto texts = game.messages.texts();
    ASSERT_EQ(texts.size(), 9U);
    EXPECT_EQ(game.messages.shown[7].message, winOn(Level::Easy));
    EXPECT_EQ(game.messages.shown[8].message, kNoMoreChance);
    EXPECT_EQ(game.messages.shown[8].controls.text2Text, "8");
    EXPECT_EQ(game.controls().boxes[30].colour, kOpenedColour);
    EXPECT_FALSE(game.board.gameInProgress());
}

// Label2 may already show the number a box hides: the same box again, its
// twin, or the last opening of an earlier game. Each opening is judged.
TEST(Openings, EveryOpeningIsJudgedWhateverLabel2AlreadyShows)
{
    Harness game(Level::Medium);
    game.start(400);
    game.board.boxClick(4);  // Command6, 130
    game.board.boxClick(4);  // the same box again
    game.board.boxClick(19); // Command21, 368
    game.board.boxClick(38); // Command44, its twin
    EXPECT_EQ(game.messages.texts(), (std::vector<std::string>{
                                         ":-( Sorry This Button Contains : 130",
                                         ":-( Sorry This Button Contains : 130",
                                         ":-( Sorry This Button Contains : 368",
                                         ":-( Sorry This Button Contains : 368",
                                     }));
    EXPECT_EQ(game.controls().text2Text, "4");
    EXPECT_TRUE(game.controls().boxes[4].enabled);

    game.board.Command33_Click();
    ASSERT_EQ(game.controls().label2Caption, "368");
    game.start(368);
    game.board.boxClick(38);
    EXPECT_EQ(game.messages.shown.back().message, winOn(Level::Medium));
    EXPECT_FALSE(game.board.gameInProgress());
}

// Only the number itself wins, never a neighbour of it.
TEST(Openings, OnlyTheExactNumberWins)
{
    Harness game(Level::Easy);
    for (const int target : {316, 318, 317}) { // Command2 holds 317
        game.startFromMenu(target);
        game.board.boxClick(boxNamed("Command2"));
    }
    EXPECT_EQ(game.messages.shown.at(0).message, missOn(Level::Easy, 317));
    EXPECT_EQ(game.messages.shown.at(1).message, missOn(Level::Easy, 317));
    EXPECT_EQ(game.messages.shown.at(2).message, winOn(Level::Easy));
}

TEST(Openings, TheWindowIsToldOfEveryVisibleChangeInOrder)
{
    Harness game(Level::Easy);
    game.start(100);
    game.observer.changes.clear();
    game.board.boxClick(6);
    EXPECT_EQ(game.observer.changes,
              (std::vector<ControlChange>{{Control::Label2}, {Control::Text2}, {Control::Box, 6}}));
    EXPECT_THROW(game.board.boxClick(kBoxCount), std::out_of_range);
}

} // namespace
} // namespace numorra::testing
