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

// Ticks that come while the time-up message is open stack no second
// message and take the counter no lower.
TEST(TicksDuringMessages, TimeUpTakesNoFurtherTicks)
{
    Harness game(Level::Hard);
    game.start(200);
    game.ticks(9);
    game.messages.whileOpen = [&] { game.ticks(5); };
    game.ticks(1);
    EXPECT_EQ(game.messages.texts(), std::vector<std::string>{"Your Time is Up."});
    EXPECT_EQ(game.controls().text1Text, "0");
    EXPECT_EQ(game.board.fields().seconds, 0);
    EXPECT_FALSE(game.board.gameInProgress());
}

// Once a win or the chance limit has decided the game, the countdown stands
// still, while its message is open and after.
TEST(TicksDuringMessages, AWinOrTheChanceLimitFreezesTheCountdown)
{
    Harness won(Level::Easy);
    won.start(317); // Command2
    won.ticks(27);
    won.messages.whileOpen = [&] { won.ticks(5); };
    won.board.boxClick(0);
    EXPECT_EQ(won.messages.texts(), std::vector<std::string>{factsOf(Level::Easy).win});
    EXPECT_EQ(won.controls().text1Text, "3");
    won.ticks(5);
    EXPECT_EQ(won.controls().text1Text, "3");

    Harness last(Level::Medium);
    last.start(601);
    for (int box = 0; box < 7; ++box) {
        last.board.boxClick(box);
    }
    // The eighth opening: its miss message, then the limit's, which ticks reach.
    last.messages.whileOpen = [&] { last.messages.whileOpen = [&] { last.ticks(5); }; };
    last.board.boxClick(7);
    EXPECT_EQ(last.messages.texts().back(), "You Have No More Chance.");
    EXPECT_EQ(last.controls().text1Text, "20");
    last.ticks(5);
    EXPECT_EQ(last.controls().text1Text, "20");
}

} // namespace
} // namespace numorra::testing
