// The three levels, box by box and a whole game each, played through the board:
// each value is the one players know, so a mistyped number in the tables fails.
#include "board/clock_random.h"
#include "tests/board/harness.h"
#include "tests/board/level_facts.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace numorra::testing {
namespace {

class EachLevel : public ::testing::TestWithParam<LevelFacts> {};

// Each box, opened in box order, tells its own number in the level's miss
// message. (Where each box stands, the design and keyboard tests hold.)
TEST_P(EachLevel, EveryBoxTellsItsNumber)
{
    const LevelFacts& level = GetParam();
    Harness game(level.level);
    for (std::size_t index = 0; index < kBoxFacts.size(); ++index) {
        const BoxFacts& box = kBoxFacts.at(index);
        SCOPED_TRACE(box.name);
        // The highest target: no box holds it, so every opening misses.
        game.start(level.highest, true);
        game.click(static_cast<int>(index));
        EXPECT_EQ(game.shown.back().message, missOn(level.level, numberOn(box, level.level)));
    }
    EXPECT_EQ(game.shown.size(), kBoxFacts.size());
}

// The lowest and the highest draw give the ends of the level's range; a
// start shows the full time at once, and that many ticks later time is up.
TEST_P(EachLevel, DrawsSpanItsRangeAndTheClockRunsItsTime)
{
    const LevelFacts& level = GetParam();
    Harness game(level.level);
    game.random.draws = {0.0, unitDraw(std::numeric_limits<std::uint64_t>::max())};
    game.board.Command1_Click();
    EXPECT_EQ(game.controls().label1Caption, std::to_string(level.lowest));
    game.board.startgame_Click();
    EXPECT_EQ(game.controls().label1Caption, std::to_string(level.highest));

    game.click(5);
    game.ticks(level.seconds - 1);
    EXPECT_EQ(game.controls().text1Text, "1");
    EXPECT_TRUE(game.board.gameInProgress());
    game.ticks(1);
    ASSERT_EQ(game.shown.size(), 2U);
    // "0" is on screen before the message; the game ends after it.
    EXPECT_EQ(game.shown.back().message, kTimeUp);
    EXPECT_EQ(game.shown.back().controls.text1Text, "0");
    EXPECT_TRUE(allBoxes(game.shown.back().controls, true));
    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().command1Caption, "&Next Number");
    EXPECT_EQ(game.controls().text1Text, "0");
    EXPECT_EQ(game.controls().boxes[5].colour, kOpenedColour);
}

// A whole game on each level: two misses, then the box with the target.
TEST_P(EachLevel, AWholeGameOfMissesThenAWin)
{
    const Level level = GetParam().level;
    Harness game(level);
    const int winner = boxNamed("Command22");
    const int target = numberOn(kBoxFacts.at(static_cast<std::size_t>(winner)), level);
    const int first = boxNamed("Command2");
    const int second = boxNamed("Command45");

    game.start(target);
    game.click(first);
    game.ticks(3);
    game.click(second);
    game.click(winner);

    ASSERT_EQ(game.shown.size(), 3U);
    EXPECT_EQ(game.shown[0].message, missOn(level, numberOn(kBoxFacts.front(), level)));
    EXPECT_EQ(game.shown[1].message, missOn(level, numberOn(kBoxFacts.back(), level)));
    EXPECT_EQ(game.shown[2].message, winOn(level));
    // While a miss message is open the count and the box are as before it.
    const BoardControls& atMiss = game.shown[1].controls;
    EXPECT_EQ(atMiss.text2Text, "1");
    EXPECT_EQ(atMiss.box(second).colour, kFreshColour);
    EXPECT_EQ(atMiss.box(first).colour, kOpenedColour);
    // While the win message is open the game is still running.
    EXPECT_TRUE(game.shown[2].controls.timer1Enabled);
    EXPECT_EQ(game.shown[2].controls.text2Text, "2");

    EXPECT_FALSE(game.board.gameInProgress());
    EXPECT_EQ(game.controls().command1Caption, "&Next Number");
    EXPECT_EQ(game.controls().text2Text, "3");
    EXPECT_EQ(game.controls().box(winner).colour, kOpenedColour);
    EXPECT_EQ(game.controls().text1Text, std::to_string(factsOf(level).seconds - 3));
}

INSTANTIATE_TEST_SUITE_P(Levels, EachLevel, ::testing::ValuesIn(kLevelFacts),
                         [](const auto& level) { return std::string(level.param.window); });

// Every start reseeds from the clock, and the clock alone decides what the
// draws are from then on.
TEST(ClockRandom, EveryStartReseedsFromTheClock)
{
    std::uint64_t now = 1000;
    int readings = 0;
    ClockRandom random([&] {
        ++readings;
        return now;
    });
    Harness game(Level::Easy, &random);
    // Each of ten clock readings starts two games, the button's and the menu's.
    std::set<std::int16_t> targets;
    for (now = 1000; now < 1010; ++now) {
        game.board.Command1_Click();
        const std::int16_t first = game.board.fields().target;
        game.board.startgame_Click();
        EXPECT_EQ(game.board.fields().target, first) << "one clock reading, two targets";
        targets.insert(first);
    }
    EXPECT_EQ(readings, 20);
    EXPECT_GT(targets.size(), 5U) << "ten clock readings drew hardly any different targets";
}

} // namespace
} // namespace numorra::testing
