#include "harness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace numorra::testing {
namespace {

class StartOnEachLevel : public ::testing::TestWithParam<Level> {};

TEST_P(StartOnEachLevel, ShowsTheTargetAndTheFullTimeAndOpensTheBoard)
{
    Harness game(GetParam());
    const LevelData& data = levelData(GetParam());
    const std::string fullTime = std::to_string(data.playerSeconds());
    EXPECT_EQ(game.controls().text1Text, fullTime);
    EXPECT_TRUE(allBoxes(game.controls(), false));

    game.start(data.targetOffset + 100);

    EXPECT_EQ(game.controls().label1Caption, std::to_string(data.targetOffset + 100));
    EXPECT_EQ(game.controls().text1Text, fullTime);
    EXPECT_TRUE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().command1Caption, kStartCaption);
    EXPECT_TRUE(allBoxes(game.controls(), true));
    EXPECT_TRUE(game.messages.shown.empty());
}

TEST_P(StartOnEachLevel, TargetSpansTheLevelsRangeAndRejectsABadDraw)
{
    Harness game(GetParam());
    const int offset = levelData(GetParam()).targetOffset;
    game.random.draws = {0.0, std::nextafter(1.0, 0.0), 1.0, -0.001};
    game.board.Command1_Click();
    EXPECT_EQ(game.board.fields().target, offset);
    game.board.Command1_Click();
    EXPECT_EQ(game.board.fields().target, offset + kTargetSpan - 1);
    EXPECT_THROW(game.board.Command1_Click(), std::out_of_range);
    EXPECT_THROW(game.board.Command1_Click(), std::out_of_range);
    EXPECT_EQ(game.random.reseeds, 4);
}

INSTANTIATE_TEST_SUITE_P(Levels, StartOnEachLevel,
                         ::testing::Values(Level::Easy, Level::Medium, Level::Hard));

// Stop ends a game without a message and keeps what is shown, the Start
// button's caption included, whether or not a game has ended before.
TEST(Stop, EndsAGameSilentlyAndKeepsWhatIsShown)
{
    Harness game(Level::Medium);
    game.start(300);
    game.board.boxClick(3);
    game.ticks(4);
    game.board.Command33_Click();
    EXPECT_EQ(game.messages.shown.size(), 1U); // the miss only
    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().command1Caption, kStartCaption);
    EXPECT_TRUE(allBoxes(game.controls(), false));
    EXPECT_EQ(game.controls().text1Text, "16");
    EXPECT_EQ(game.controls().text2Text, "1");
    EXPECT_EQ(game.controls().boxes[3].colour, kOpenedColour);

    game.ticks(20);
    ASSERT_EQ(game.controls().text1Text, "16"); // a stopped timer does not tick
    game.start(301);
    game.ticks(20);
    ASSERT_EQ(game.controls().command1Caption, kNextCaption);
    game.start(302);
    game.board.stopgame_Click();
    EXPECT_EQ(game.controls().command1Caption, kNextCaption);
}

TEST(LoadAndUnload, ControlsStartFromTheDesignWhileTheFieldsStay)
{
    Harness game(Level::Easy);
    game.start(317);
    game.board.boxClick(0); // a win
    game.board.unload();
    EXPECT_THROW(game.board.Command1_Click(), std::logic_error);
    EXPECT_THROW(game.board.timerTick(), std::logic_error);

    game.board.load(game.observer, game.messages);
    EXPECT_THROW(game.board.load(game.observer, game.messages), std::logic_error);
    EXPECT_EQ(game.controls().command1Caption, kStartCaption);
    EXPECT_EQ(game.controls().label1Caption, "0");
    EXPECT_EQ(game.controls().label2Caption, "");
    EXPECT_EQ(game.controls().boxes[0].colour, kFreshColour);
    EXPECT_EQ(game.board.fields().target, 317);
    EXPECT_EQ(game.board.fields().opened, 317);
}

} // namespace
} // namespace numorra::testing
