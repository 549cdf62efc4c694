#include "tests/board/harness.h"

#include <gtest/gtest.h>

namespace numorra::testing {
namespace {

// Start Game from the menu during a game begins a new one at once.
TEST(Start, FromTheMenuDuringAGameBeginsANewOne)
{
    Harness game(Level::Easy);
    game.start(300);
    game.click(0);
    game.click(1);
    game.ticks(4);
    game.start(301, true);
    EXPECT_EQ(game.controls().label1Caption, "301");
    EXPECT_EQ(game.controls().text1Text, "30");
    EXPECT_EQ(game.controls().text2Text, "0");
    EXPECT_TRUE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().boxes[0].colour, kFreshColour);
    EXPECT_EQ(game.controls().boxes[1].colour, kFreshColour);
    // The chances count from 0 again: seven more openings keep it running.
    for (int box = 2; box < 9; ++box) {
        game.click(box);
    }
    EXPECT_TRUE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().text2Text, "7");
}

// Stop ends a game without a message and keeps what is shown, the Start
// button's caption included, whether or not a game has ended before.
TEST(Stop, EndsAGameSilentlyAndKeepsWhatIsShown)
{
    Harness game(Level::Medium);
    game.start(300);
    game.click(3);
    game.ticks(4);
    game.board.Command33_Click();
    EXPECT_EQ(game.shown.size(), 1U); // the miss only
    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().command1Caption, "&Start Game.");
    EXPECT_EQ(game.controls().text1Text, "16");
    EXPECT_EQ(game.controls().text2Text, "1");
    EXPECT_EQ(game.controls().boxes[3].colour, kOpenedColour);

    game.ticks(20);
    ASSERT_EQ(game.controls().text1Text, "16"); // a stopped timer does not tick
    game.start(301);
    game.ticks(20);
    ASSERT_EQ(game.controls().command1Caption, "&Next Number");
    game.start(302);
    game.board.stopgame_Click();
    EXPECT_EQ(game.controls().command1Caption, "&Next Number");
}

TEST(LoadAndUnload, ControlsStartFromTheDesignWhileTheFieldsStay)
{
    Harness game(Level::Easy);
    game.start(317);
    game.click(0); // a win
    game.board.unload();
    EXPECT_THROW(game.board.Command1_Click(), std::logic_error);
    EXPECT_THROW(game.board.timerTick(), std::logic_error);

    game.board.load(game, game);
    EXPECT_THROW(game.board.load(game, game), std::logic_error);
    EXPECT_EQ(game.controls().command1Caption, "&Start Game.");
    EXPECT_EQ(game.controls().label1Caption, "0");
    EXPECT_EQ(game.controls().label2Caption, "");
    EXPECT_EQ(game.controls().boxes[0].colour, kFreshColour);
    EXPECT_EQ(game.board.fields().target, 317);
    EXPECT_EQ(game.board.fields().opened, 317);
}

} // namespace
} // namespace numorra::testing
