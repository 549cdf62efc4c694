// Long random sequences of everything a player and the clock can do to a
// board, with the rules' invariants checked after every step. The seed
// picks the level too; a failure names it, and NUMORRA_PLAY_SEED=<seed>
// replays that sequence alone.
#include "tests/board/harness.h"
#include "tests/board/level_facts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <set>

namespace numorra::testing {
namespace {

constexpr int kSequences = 20;
constexpr int kStepsPerSequence = 6000;

// Plays one board at random through the harness. The clock may tick while
// any message is open, as it does under a real one.
class Player {
public:
    explicit Player(std::uint64_t seed)
        : level_(kLevels.at(seed % kLevels.size())), engine_(seed), game_(level_)
    {
    }

    std::size_t play()
    {
        for (int step = 0; step < kStepsPerSequence && !::testing::Test::HasFailure(); ++step) {
            game_.whileOpen = [this] { tickWhileOpen(); };
            act();
            SCOPED_TRACE("after step " + std::to_string(step));
            check();
        }
        return game_.shown.size();
    }

private:
    int pick(int count) { return std::uniform_int_distribution(0, count - 1)(engine_); }
    int hidden(int box) const
    {
        return numberOn(box, level_);
    }

    void tickWhileOpen()
    {
        game_.whileOpen = [this] { tickWhileOpen(); };
        for (int tick = pick(4); tick > 0 && game_.board.gameInProgress(); --tick) {
            game_.ticks(1);
        }
    }

    void act()
    {
        const BoardControls& controls = game_.controls();
        const int action = pick(36);
        if (action < 6) { // Start: the button while enabled, or the menu item
            if (action >= 4 || controls.command1Enabled) {
                // Half the games get a target that some box holds, so that wins happen.
                const int target =
                    pick(2) == 0 ? hidden(pick(kBoxCount)) : factsOf(level_).lowest + pick(500);
                game_.start(target, action >= 4);
                opened_.clear();
                openings_ = 0;
                gameStart_ = game_.shown.size();
            }
        } else if (action < 9) { // Stop: the button while enabled, or the menu item
            if (action == 8) {
                game_.board.stopgame_Click();
            } else if (controls.command33Enabled) {
                game_.board.Command33_Click();
            }
        } else if (action < 23) {
            const int box = pick(kBoxCount);
            const bool opens = controls.box(box).enabled;
            if (opens) {
                opened_.insert(box);
                ++openings_;
            }
            const bool wonBefore = count("Congratulations.") > 0;
            const std::size_t messagesBefore = game_.shown.size();
            game_.click(box);
            // Every opening is judged, whatever Label2 showed before: the same
            // box again, its twin, or the last opening of an earlier game.
            EXPECT_EQ(game_.shown.size() > messagesBefore, opens) << "box " << box;
            // An opening wins exactly when the box holds the target.
            EXPECT_EQ(count("Congratulations.") > 0 && !wonBefore,
                      opens && hidden(box) == game_.board.fields().target)
                << "box " << box << " holds " << hidden(box) << ", the target is "
                << game_.board.fields().target;
        } else if (action < 35) {
            if (controls.timer1Enabled) {
                game_.ticks(1);
            }
        } else {
            game_.board.unload();
            game_.board.load(game_, game_);
            game_.started = false;
            opened_.clear();
        }
    }

    // How many of this game's messages have `title`.
    std::ptrdiff_t count(const std::string& title) const
    {
        return std::count_if(
            game_.shown.begin() + static_cast<std::ptrdiff_t>(gameStart_), game_.shown.end(),
            [&title](const Harness::Shown& shown) { return shown.message.title == title; });
    }

    // The messages of this game: only time up interrupts a message, and
    // only a miss; nothing follows the chance limit; the game is decided
    // once at most, and runs on only while it is not.
    void check() const
    {
        for (std::size_t at = gameStart_; at < game_.shown.size(); ++at) {
            const Harness::Shown& shown = game_.shown.at(at);
            ASSERT_LE(shown.depth, 2) << "a message inside a message inside a message";
            if (shown.depth == 2) {
                EXPECT_EQ(shown.message.title, "Time Up") << "only time up may interrupt";
                EXPECT_EQ(game_.shown.at(at - 1).message.title, "Try Again.");
            }
            EXPECT_TRUE(shown.message.title != "Chance Finished." || at + 1 == game_.shown.size())
                << "a message after the chance limit";
        }
        const auto decided = count("Congratulations.") + count("Time Up");
        EXPECT_LE(decided, 1) << "a game decided twice";
        if (game_.board.gameInProgress()) {
            EXPECT_EQ(decided + count("Chance Finished."), 0) << "the game ended, yet it runs";
        }
        if (game_.started) {
            EXPECT_EQ(game_.board.fields().chance, openings_);
        }
        for (int box = 0; box < kBoxCount; ++box) {
            EXPECT_EQ(game_.controls().box(box).colour,
                      opened_.contains(box) ? kOpenedColour : kFreshColour)
                << "box " << box;
        }
    }

    Level level_;
    std::mt19937_64 engine_;
    Harness game_;
    std::set<int> opened_;
    int openings_ = 0;
    std::size_t gameStart_ = 0; // the first message of this game
};

TEST(RandomPlay, EveryStepKeepsTheBoardInAStateTheRulesAllow)
{
    // NOLINTNEXTLINE(concurrency-mt-unsafe): read before anything else runs
    const char* replay = std::getenv("NUMORRA_PLAY_SEED");
    std::random_device device;
    std::size_t messages = 0;
    for (int sequence = 0; sequence < (replay != nullptr ? 1 : kSequences); ++sequence) {
        const std::uint64_t seed =
            replay != nullptr ? std::stoull(replay) : (std::uint64_t{device()} << 32U) | device();
        SCOPED_TRACE("replay with NUMORRA_PLAY_SEED=" + std::to_string(seed));
        messages += Player(seed).play();
        if (HasFailure()) {
            return;
        }
    }
    std::cout << "random play: " << kSequences * kStepsPerSequence << " steps, " << messages
              << " messages\n";
}

} // namespace
} // namespace numorra::testing
