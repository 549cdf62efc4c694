#include "tests/board/harness.h"
#include "tests/board/level_facts.h"

#include <gtest/gtest.h>

namespace numorra::testing {
namespace {

TEST(TicksDuringMessages, TimeRunsOutDuringAMissAndTheBoardStaysEnded)
{
    Harness game(Level::Medium);
    game.start(300);
    game.ticks(18);
    game.whileOpen = [&] { game.ticks(5); };
    game.click(2);

    EXPECT_EQ(game.texts(), (std::vector<std::string>{":-( Sorry This Button Contains : 533",
                                                      "Your Time is Up."}));
    EXPECT_FALSE(game.board.gameInProgress());
    // The opening is still counted and coloured.
    EXPECT_EQ(game.controls().text2Text, "1");
    EXPECT_EQ(game.controls().boxes[2].colour, kOpenedColour);
    EXPECT_EQ(game.board.fields().seconds, 0);
}

// Ticks that come while the time-up message is open stack no second
// message and take the counter no lower.
TEST(TicksDuringMessages, TimeUpTakesNoFurtherTicks)
{
    Harness game(Level::Hard);
    game.start(200);
    game.ticks(9);
    game.whileOpen = [&] { game.ticks(5); };
    game.ticks(1);
    EXPECT_EQ(game.texts(), std::vector<std::string>{"Your Time is Up."});
    EXPECT_EQ(game.controls().text1Text, "0");
    EXPECT_EQ(game.board.fields().seconds, 0);
    EXPECT_FALSE(game.board.gameInProgress());
}

// Once a win has decided the game, the countdown stands still, while its
// message is open and after.
TEST(TicksDuringMessages, AWinFreezesTheCountdown)
{
    Harness game(Level::Easy);
    game.start(317); // Command2
    game.ticks(27);
    game.whileOpen = [&] { game.ticks(5); };
    game.click(0);
    EXPECT_EQ(game.texts(), std::vector<std::string>{factsOf(Level::Easy).win});
    EXPECT_EQ(game.controls().text1Text, "3");
    game.ticks(5);
    EXPECT_EQ(game.controls().text1Text, "3");
}

} // namespace
} // namespace numorra::testing
