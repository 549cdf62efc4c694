#include "harness.h"

#include <gtest/gtest.h>

namespace numorra::testing {
namespace {

class TimeUpOnEachLevel : public ::testing::TestWithParam<Level> {};

TEST_P(TimeUpOnEachLevel, TheLastTickShowsZeroThenEndsTheGame)
{
    Harness game(GetParam());
    const int budget = levelData(GetParam()).playerSeconds();
    game.start(levelData(GetParam()).targetOffset);
    game.board.boxClick(5);
    game.ticks(budget - 1);
    EXPECT_EQ(game.controls().text1Text, "1");
    EXPECT_TRUE(game.board.gameInProgress());

    game.ticks(1);

    ASSERT_EQ(game.messages.shown.size(), 2U);
    const auto& timeUp = game.messages.shown.back();
    EXPECT_EQ(timeUp.message, (Message{"Your Time is Up.", "Time Up", MessageStyle::Critical}));
    // "0" is on screen before the message; the game ends after it.
    EXPECT_EQ(timeUp.controls.text1Text, "0");
    EXPECT_TRUE(timeUp.controls.timer1Enabled);
    EXPECT_TRUE(allBoxes(timeUp.controls, true));

    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_TRUE(game.controls().command1Enabled);
    EXPECT_EQ(game.controls().command1Caption, kNextCaption);
    EXPECT_FALSE(game.controls().command33Enabled);
    EXPECT_TRUE(allBoxes(game.controls(), false));
    EXPECT_EQ(game.controls().text1Text, "0");
    EXPECT_EQ(game.controls().boxes[5].colour, kOpenedColour);
    EXPECT_EQ(game.board.fields().seconds, 0);
}

INSTANTIATE_TEST_SUITE_P(Levels, TimeUpOnEachLevel,
                         ::testing::Values(Level::Easy, Level::Medium, Level::Hard));

TEST(TicksDuringMessages, TimeRunsOutDuringAMissAndTheBoardStaysEnded)
{
    Harness game(Level::Medium);
    game.start(300);
    game.ticks(18);
    game.messages.whileOpen = [&] { game.ticks(5); };
    game.board.boxClick(2);

    EXPECT_EQ(
        game.messages.texts(),
        (std::vector<std::string>{":-( Sorry This Button Contains : 533", "Your Time is Up."}));
    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_TRUE(game.controls().command1Enabled);
    EXPECT_FALSE(game.controls().command33Enabled);
    EXPECT_TRUE(allBoxes(game.controls(), false));
    // The opening is still counted and coloured.
    EXPECT_EQ(game.controls().text2Text, "1");
    EXPECT_EQ(game.controls().boxes[2].colour, kOpenedColour);
    EXPECT_EQ(game.board.fields().seconds, 0);
}

TEST(TicksDuringMessages, TheCountdownRunsOnDuringAMiss)
{
    Harness game(Level::Easy);
    game.start(100);
    game.messages.whileOpen = [&] { game.ticks(3); };
    game.board.boxClick(0);
    EXPECT_EQ(game.controls().text1Text, "27");
    EXPECT_TRUE(game.board.gameInProgress());
    EXPECT_FALSE(game.controls().command1Enabled);
    EXPECT_TRUE(game.controls().command33Enabled);
}

} // namespace
} // namespace numorra::testing
