// The rules against the game's numbers and texts as players know them: the
// ends of the range, an unload, the clock's reseed, and long random play.
// (The order of a rule's steps is the state record's.)
#include "board/clock_random.h"
#include "tests/board/harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <random>
#include <set>

namespace numorra::testing {
namespace {

TEST(Draws, TheLeastAndTheGreatestGiveTheEndsOfTheRange)
{
    Harness game(Level::Medium);
    game.random.draws = {0.0, unitDraw(std::numeric_limits<std::uint64_t>::max())};
    game.board.Command1_Click();
    EXPECT_EQ(game.controls().label1Caption, "102");
    game.board.startgame_Click();
    EXPECT_EQ(game.controls().label1Caption, "601");
}

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

// Every start (the button's and the menu's) reseeds from the clock, which
// alone decides the draws from then on.
TEST(ClockRandom, EveryStartReseedsFromTheClock)
{
    std::uint64_t now = 1000;
    int readings = 0;
    ClockRandom random([&] {
        ++readings;
        return now;
    });
    Harness game(Level::Easy, &random);
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

// What a player and the clock can do to a board, at random, the clock
// ticking under messages too; NUMORRA_PLAY_SEED=<seed> replays a failure.
TEST(RandomPlay, EveryOpeningIsJudgedAndEveryGameEndsOnce)
{
    const char* replay = std::getenv("NUMORRA_PLAY_SEED"); // NOLINT(concurrency-mt-unsafe)
    std::random_device device;
    for (std::uint64_t sequence = 0; sequence < (replay != nullptr ? 1U : 21U) && !HasFailure();
         ++sequence) {
        const std::uint64_t drawn = (std::uint64_t{device()} << 32U) | device();
        const std::uint64_t seed = replay != nullptr
                                       ? std::stoull(replay)
                                       : drawn - drawn % kLevels.size() + sequence % kLevels.size();
        SCOPED_TRACE("replay with NUMORRA_PLAY_SEED=" + std::to_string(seed));
        std::mt19937_64 engine(seed);
        const auto pick = [&engine](int count) {
            return std::uniform_int_distribution(0, count - 1)(engine);
        };
        const Level level = kLevels.at(seed % kLevels.size());
        Harness game(level);
        std::set<int> opened;
        int openings = 0;
        std::size_t gameStart = 0; // this game's first message
        std::function<void()> tickWhileOpen = [&] {
            game.whileOpen = tickWhileOpen;
            for (int tick = pick(4); tick > 0 && game.board.gameInProgress(); --tick) {
                game.ticks(1);
            }
        };
        const auto count = [&](const char* title) {
            return std::count_if(
                game.shown.begin() + static_cast<std::ptrdiff_t>(gameStart), game.shown.end(),
                [title](const auto& shown) { return shown.message.title == title; });
        };
        for (int step = 0; step < 6000 && !HasFailure(); ++step) {
            game.whileOpen = tickWhileOpen;
            const int action = pick(36);
            const std::size_t before = game.shown.size();
            if (action < 6 && (action >= 4 || game.controls().command1Enabled)) {
                game.start(pick(2) == 0 ? numberOn(pick(kBoxCount), level)
                                        : factsOf(level).lowest + pick(500),
                           action >= 4);
                opened.clear();
                openings = 0;
                gameStart = game.shown.size();
            } else if (action == 6 || (action == 7 && game.controls().command33Enabled)) {
                action == 6 ? game.board.stopgame_Click() : game.board.Command33_Click();
            } else if (action >= 8 && action < 23) {
                const int box = pick(kBoxCount);
                const bool opens = game.controls().box(box).enabled;
                game.click(box);
                const bool wins = numberOn(box, level) == game.board.fields().target;
                ASSERT_EQ(game.shown.size() > before, opens) << "box " << box;
                if (opens) {
                    opened.insert(box);
                    ++openings;
                    EXPECT_EQ(game.shown.at(before).message,
                              wins ? winOn(level) : missOn(level, numberOn(box, level)));
                }
            } else if (action >= 23 && action < 35 && game.controls().timer1Enabled) {
                game.ticks(1);
            } else if (action == 35) {
                game.board.unload();
                game.board.load(game, game);
                game.started = false;
                opened.clear();
            }
            // Only time up comes inside a message, a miss; nothing follows the
            // chance limit; a game is decided once at most, and ends then.
            for (std::size_t at = gameStart; at < game.shown.size(); ++at) {
                const Message& message = game.shown.at(at).message;
                EXPECT_TRUE(
                    game.shown.at(at).depth == 1 ||
                    (message == kTimeUp && game.shown.at(at - 1).message.title == "Try Again."));
                EXPECT_TRUE(message != kNoMoreChance || at + 1 == game.shown.size());
            }
            EXPECT_LE(count("Congratulations.") + count("Time Up"), 1);
            EXPECT_TRUE(!game.board.gameInProgress() ||
                        count("Congratulations.") + count("Time Up") + count("Chance Finished.") ==
                            0);
            for (int box = 0; box < kBoxCount; ++box) {
                EXPECT_EQ(game.controls().box(box).colour,
                          opened.contains(box) ? kOpenedColour : kFreshColour);
            }
            EXPECT_TRUE(!game.started || game.board.fields().chance == openings);
        }
    }
}

} // namespace
} // namespace numorra::testing
