// A game from start to end: a start during a game, the chance limit, time
// running out under a message, and a board unloaded and loaded again. What
// Stop leaves on screen is the state record's (tests/ui/board_states.txt).
#include "tests/board/harness.h"
#include "tests/board/level_facts.h"

#include <gtest/gtest.h>

namespace numorra::testing {
namespace {

// The eighth opening ends the game by the chance limit, after its own miss
// or win message. The limit's message comes after the count and before the
// colour; from the decision on, the countdown stands still, while the
// message is open and after.
struct EighthOpening {
    const char* name;
    Level level;
    int target;
    const char* eighthBox;
    bool wins;
};

class ChanceLimit : public ::testing::TestWithParam<EighthOpening> {};

TEST_P(ChanceLimit, TheEighthOpeningEndsTheGame)
{
    const EighthOpening& row = GetParam();
    const int eighth = boxNamed(row.eighthBox);
    Harness game(row.level);
    game.start(row.target);
    for (int opening = 1; opening <= 7; ++opening) {
        game.click(opening + 7);
        EXPECT_EQ(game.controls().text2Text, std::to_string(opening));
        EXPECT_TRUE(game.board.gameInProgress());
    }
    // The ticks come while the limit's message is open.
    game.whileOpen = [&] { game.whileOpen = [&] { game.ticks(5); }; };
    game.click(eighth);

    ASSERT_EQ(game.shown.size(), 9U);
    const int hidden = numberOn(kBoxFacts.at(static_cast<std::size_t>(eighth)), row.level);
    EXPECT_EQ(game.shown[7].message, row.wins ? winOn(row.level) : missOn(row.level, hidden));
    EXPECT_EQ(game.shown[8].message, kNoMoreChance);
    EXPECT_EQ(game.shown[8].controls.text2Text, "8");
    EXPECT_EQ(game.shown[8].controls.box(eighth).colour, kFreshColour);
    EXPECT_EQ(game.controls().box(eighth).colour, kOpenedColour);
    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().command1Caption, "&Next Number");
    game.ticks(5);
    EXPECT_EQ(game.controls().text1Text, std::to_string(factsOf(row.level).seconds));
}

INSTANTIATE_TEST_SUITE_P(
    Openings, ChanceLimit,
    ::testing::Values(EighthOpening{"Form1Miss", Level::Easy, 554, "Command2", false},
                      EighthOpening{"medium1Miss", Level::Medium, 601, "Command9", false},
                      EighthOpening{"hard1Miss", Level::Hard, 655, "Command45", false},
                      EighthOpening{"Form1Win", Level::Easy, 81, "Command32", true}),
    [](const auto& row) { return std::string(row.param.name); });

// Time runs out while a miss message is open: the time-up message comes up
// inside it, and the board stays ended once the miss is dismissed. The
// opening is still counted and coloured.
TEST(Openings, TimeRunsOutDuringAMissAndTheBoardStaysEnded)
{
    Harness game(Level::Medium);
    game.start(300);
    game.ticks(18);
    game.whileOpen = [&] { game.ticks(5); };
    game.click(2);
    ASSERT_EQ(game.shown.size(), 2U);
    EXPECT_EQ(game.shown[0].message, missOn(Level::Medium, 533));
    EXPECT_EQ(game.shown[1].message, kTimeUp);
    EXPECT_EQ(game.shown[1].depth, 2);
    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().text2Text, "1");
    EXPECT_EQ(game.controls().boxes[2].colour, kOpenedColour);
}

// Start Game from the menu during a game begins a new one at once.
TEST(Start, FromTheMenuDuringAGameBeginsANewOne)
{
    Harness game(Level::Easy);
    game.start(300);
    game.click(0);
    game.click(1);
    game.ticks(4);
    game.start(301, true);
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

// An unloaded board takes no event; loaded again, it shows the design.
TEST(LoadAndUnload, NoEventReachesAnUnloadedBoard)
{
    Harness game(Level::Easy);
    game.start(317);
    game.click(0); // a win
    game.board.unload();
    EXPECT_THROW(game.board.Command1_Click(), std::logic_error);
    EXPECT_THROW(game.board.Timer1_Timer(), std::logic_error);

    game.board.load(game, game);
    EXPECT_THROW(game.board.load(game, game), std::logic_error);
    EXPECT_EQ(game.controls().command1Caption, "&Start Game.");
    EXPECT_EQ(game.controls().label2Caption, "");
}

} // namespace
} // namespace numorra::testing
