#include "harness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace numorra::testing {
namespace {

class StartOnEachLevel : public ::testing::TestWithParam<Level> {};

TEST_P(StartOnEachLevel, FreshWindowShowsItsDesignAndAStartShowsTheFullTime)
{
    Harness game(GetParam());
    const LevelData& data = levelData(GetParam());
    const std::string fullTime = std::to_string(data.playerSeconds());
    EXPECT_EQ(game.controls().label1Caption, "0");
    EXPECT_EQ(game.controls().text1Text, fullTime);
    EXPECT_EQ(game.controls().text2Text, "0");
    EXPECT_TRUE(allBoxes(game.controls(), false));
    EXPECT_FALSE(game.board.gameInProgress());

    game.start(data.targetOffset + 100);

    EXPECT_EQ(game.controls().label1Caption, std::to_string(data.targetOffset + 100));
    EXPECT_EQ(game.controls().text1Text, fullTime);
    EXPECT_EQ(game.controls().text2Text, "0");
    EXPECT_TRUE(game.board.gameInProgress());
    EXPECT_FALSE(game.controls().command1Enabled);
    EXPECT_EQ(game.controls().command1Caption, kStartCaption);
    EXPECT_TRUE(game.controls().command33Enabled);
    EXPECT_TRUE(allBoxes(game.controls(), true));
    EXPECT_FALSE(game.controls().text1Enabled);
    EXPECT_FALSE(game.controls().text2Enabled);
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

TEST(Start, FromTheMenuDuringAGameBeginsAFreshGame)
{
    Harness game(Level::Easy);
    game.start(100);
    game.board.boxClick(0);
    game.board.boxClick(1);
    game.ticks(5);
    ASSERT_EQ(game.controls().text2Text, "2");
    ASSERT_EQ(game.controls().boxes[0].colour, kOpenedColour);

    game.startFromMenu(200);

    EXPECT_EQ(game.controls().label1Caption, "200");
    EXPECT_EQ(game.controls().text2Text, "0");
    EXPECT_EQ(game.controls().text1Text, "30");
    EXPECT_EQ(game.board.fields().chance, 0);
    for (const BoxControl& box : game.controls().boxes) {
        EXPECT_TRUE(box.enabled);
        EXPECT_EQ(box.colour, kFreshColour);
    }
    EXPECT_TRUE(game.board.gameInProgress());
    // The last opened number is kept across starts.
    EXPECT_EQ(game.controls().label2Caption, "529");
}

TEST(Stop, EndsAGameSilentlyAndKeepsWhatIsShown)
{
    Harness game(Level::Medium);
    game.start(300);
    game.board.boxClick(3);
    game.ticks(4);
    game.board.Command33_Click();

    EXPECT_TRUE(game.messages.shown.size() == 1); // the miss only
    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_TRUE(game.controls().command1Enabled);
    EXPECT_EQ(game.controls().command1Caption, kStartCaption);
    EXPECT_FALSE(game.controls().command33Enabled);
    EXPECT_TRUE(allBoxes(game.controls(), false));
    EXPECT_EQ(game.controls().text1Text, "16");
    EXPECT_EQ(game.controls().text2Text, "1");
    EXPECT_EQ(game.controls().boxes[3].colour, kOpenedColour);

    game.ticks(3); // a stopped timer does not tick
    EXPECT_EQ(game.controls().text1Text, "16");
}

TEST(Stop, AfterAGameHasEndedKeepsNextNumber)
{
    Harness game(Level::Hard);
    game.start(200);
    game.ticks(10);
    ASSERT_EQ(game.controls().command1Caption, kNextCaption);
    game.start(201);
    EXPECT_EQ(game.controls().command1Caption, kNextCaption);
    game.board.Command33_Click();
    EXPECT_EQ(game.controls().command1Caption, kNextCaption);
}

TEST(LoadAndUnload, ControlsStartFromTheDesignWhileTheFieldsStay)
{
    Harness game(Level::Easy);
    game.start(317);
    game.board.boxClick(0); // a win
    game.board.unload();
    EXPECT_FALSE(game.board.loaded());
    EXPECT_THROW(game.board.Command1_Click(), std::logic_error);
    EXPECT_THROW(game.board.timerTick(), std::logic_error);

    game.board.load(game.observer, game.messages);
    EXPECT_THROW(game.board.load(game.observer, game.messages), std::logic_error);
    EXPECT_EQ(game.controls().command1Caption, kStartCaption);
    EXPECT_EQ(game.controls().label1Caption, "0");
    EXPECT_EQ(game.controls().label2Caption, "");
    EXPECT_EQ(game.controls().text2Text, "0");
    EXPECT_EQ(game.controls().boxes[0].colour, kFreshColour);
    EXPECT_EQ(game.board.fields().target, 317);
    EXPECT_EQ(game.board.fields().chance, 1);
    EXPECT_EQ(game.board.fields().opened, 317);
}

} // namespace
} // namespace numorra::testing
