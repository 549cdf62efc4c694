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

namespace numorra {
namespace {

constexpr int kSequences = 20;
constexpr int kStepsPerSequence = 6000;

// Plays one board at random, standing in for the clock, the message boxes
// (the timer may tick while one is open) and the window.
class Player final : RandomSource, MessageBox, BoardObserver {
public:
    explicit Player(std::uint64_t seed)
        : level_(kLevels.at(seed % kLevels.size())), engine_(seed), board_(level_, *this)
    {
        board_.load(*this, *this);
    }

    void play()
    {
        for (int step = 0; step < kStepsPerSequence && !::testing::Test::HasFailure(); ++step) {
            act();
            SCOPED_TRACE("after step " + std::to_string(step));
            check();
        }
    }

    long messages = 0;

private:
    void reseed() override {}

    // Half the games get a target that some box holds, so that wins happen.
    double draw() override
    {
        if (pick(2) == 0) {
            return testing::drawFor(level_, hidden(pick(kBoxCount)));
        }
        return std::uniform_real_distribution(0.0, 1.0)(engine_);
    }

    void controlChanged(ControlChange /*change*/) override {}

    void show(const Message& message) override
    {
        ++messages;
        ASSERT_LE(++depth_, 2) << "a message inside a message inside a message";
        if (depth_ == 2) {
            EXPECT_EQ(message.text, "Your Time is Up.") << "only time up may interrupt a message";
            EXPECT_EQ(outer_.title, "Try Again.") << "time up interrupted " << outer_.text;
        }
        EXPECT_FALSE(limitShown_) << message.text << " after the chance limit";
        if (message.text == "Your Time is Up.") {
            EXPECT_FALSE(timeUpShown_ || won_) << "time up after a time up or a win";
            timeUpShown_ = true;
        } else if (message.title == "Congratulations.") {
            EXPECT_FALSE(won_) << "a second win in one game";
            won_ = true;
        }
        limitShown_ = message.text == "You Have No More Chance.";
        const Message outer = std::exchange(outer_, message);
        for (int tick = pick(4); tick > 0 && board_.gameInProgress(); --tick) {
            board_.timerTick();
        }
        outer_ = outer;
        --depth_;
    }

    int pick(int count) { return std::uniform_int_distribution(0, count - 1)(engine_); }
    int hidden(int box) const
    {
        return testing::numberOn(testing::kBoxFacts.at(static_cast<std::size_t>(box)), level_);
    }

    void act()
    {
        const BoardControls& controls = board_.controls();
        const int action = pick(36);
        if (action < 6) { // Start: the button while enabled, or the menu item
            if (action >= 4 || controls.command1Enabled) {
                opened_.clear();
                openings_ = 0;
                timeUpShown_ = won_ = limitShown_ = false;
                startedSinceLoad_ = true;
                action < 4 ? board_.Command1_Click() : board_.startgame_Click();
            }
        } else if (action < 9) { // Stop: the button while enabled, or the menu item
            if (action == 8) {
                board_.stopgame_Click();
            } else if (controls.command33Enabled) {
                board_.Command33_Click();
            }
        } else if (action < 23) {
            const int box = pick(kBoxCount);
            const bool opens = controls.box(box).enabled;
            if (opens) {
                opened_.insert(box);
                ++openings_;
            }
            const bool wonBefore = won_;
            board_.boxClick(box);
            // An opening wins exactly when the box holds the target.
            EXPECT_EQ(won_ && !wonBefore, opens && hidden(box) == board_.fields().target)
                << "box " << box << " holds " << hidden(box) << ", the target is "
                << board_.fields().target;
        } else if (action < 35) {
            if (controls.timer1Enabled) {
                board_.timerTick();
            }
        } else {
            board_.unload();
            board_.load(*this, *this);
            opened_.clear();
            startedSinceLoad_ = false;
        }
    }

    void check() const
    {
        ASSERT_EQ(depth_, 0);
        testing::expectConsistent(board_, startedSinceLoad_);
        if (board_.gameInProgress()) {
            EXPECT_FALSE(won_ || timeUpShown_ || limitShown_) << "the game ended, yet it runs";
        }
        if (startedSinceLoad_) {
            EXPECT_EQ(board_.fields().chance, openings_);
        }
        for (int box = 0; box < kBoxCount; ++box) {
            EXPECT_EQ(board_.controls().box(box).colour,
                      opened_.contains(box) ? kOpenedColour : kFreshColour)
                << "box " << box;
        }
    }

    Level level_;
    std::mt19937_64 engine_;
    Board board_;
    std::set<int> opened_;
    int openings_ = 0;
    bool startedSinceLoad_ = false;
    bool timeUpShown_ = false;
    bool won_ = false;
    bool limitShown_ = false;
    int depth_ = 0;
    Message outer_{"", "", MessageStyle::Information};
};

TEST(RandomPlay, EveryStepKeepsTheBoardInAStateTheRulesAllow)
{
    // NOLINTNEXTLINE(concurrency-mt-unsafe): read before anything else runs
    const char* replay = std::getenv("NUMORRA_PLAY_SEED");
    std::random_device device;
    long messages = 0;
    for (int sequence = 0; sequence < (replay != nullptr ? 1 : kSequences); ++sequence) {
        const std::uint64_t seed =
            replay != nullptr ? std::stoull(replay) : (std::uint64_t{device()} << 32U) | device();
        SCOPED_TRACE("replay with NUMORRA_PLAY_SEED=" + std::to_string(seed));
        Player player(seed);
        player.play();
        messages += player.messages;
        if (HasFailure()) {
            return;
        }
    }
    std::cout << "random play: " << kSequences * kStepsPerSequence << " steps, " << messages
              << " messages\n";
}

} // namespace
} // namespace numorra
