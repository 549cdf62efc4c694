// Long random sequences of everything a player and the clock can do to a
// board, with the rules' invariants checked after every step. A failure
// names its seed; NUMORRA_PLAY_SEED=<seed> replays that sequence alone.
#include "board/board.h"
#include "board/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace numorra {
namespace {

constexpr int kSequences = 20;
constexpr int kStepsPerSequence = 6000;

const std::string kTimeUpText = "Your Time is Up.";
const std::string kNoMoreChanceText = "You Have No More Chance.";
const std::string kWinTitle = "Congratulations.";

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::mt19937_64& engine) : engine_(engine) {}
    void reseed() override {}
    double draw() override
    {
        // Half the games get a target that some box holds, so wins happen.
        if (std::bernoulli_distribution(0.5)(engine_)) {
            const int box = std::uniform_int_distribution(0, kBoxCount - 1)(engine_);
            return (levelData(level).boxNumber(box) - levelData(level).targetOffset + 0.5) /
                   kTargetSpan;
        }
        return std::uniform_real_distribution(0.0, 1.0)(engine_);
    }
    Level level = Level::Easy;

private:
    std::mt19937_64& engine_;
};

class Player;

// A modal message box: while it is open the timer may go on ticking.
class TickingMessages final : public MessageBox {
public:
    explicit TickingMessages(Player& player) : player_(player) {}
    void show(const Message& message) override;

private:
    Player& player_;
};

class NullObserver final : public BoardObserver {
public:
    void controlChanged(ControlChange /*change*/) override {}
};

// Plays one board at random and checks it after every step.
class Player {
public:
    Player(std::uint64_t seed, Level level)
        : engine_(seed), random_(engine_), board_(level, random_)
    {
        random_.level = level;
        board_.load(observer_, messages_);
    }

    void play(int steps)
    {
        for (int step = 0; step < steps && !::testing::Test::HasFatalFailure(); ++step) {
            act();
            SCOPED_TRACE("after step " + std::to_string(step));
            check();
        }
    }

    void messageShown(const Message& message)
    {
        ++depth_;
        ASSERT_LE(depth_, 2) << "a message opened inside a message inside a message";
        if (depth_ == 2) {
            EXPECT_EQ(message.text, kTimeUpText) << "only time up may interrupt a message";
            EXPECT_EQ(outer_.title, "Try Again.") << "time up interrupted " << outer_.text;
        }
        EXPECT_FALSE(limitShown_) << message.text << " after the chance limit";
        if (message.text == kTimeUpText) {
            EXPECT_FALSE(timeUpShown_) << "a second time-up message in one game";
            EXPECT_FALSE(won_) << "time up after a win";
            timeUpShown_ = true;
        } else if (message.title == kWinTitle) {
            EXPECT_FALSE(won_) << "a second win in one game";
            won_ = true;
        } else if (message.text == kNoMoreChanceText) {
            limitShown_ = true;
        }
        const Message outer = outer_;
        outer_ = message;
        // The player waits a little: the timer may tick meanwhile.
        const int ticks = std::uniform_int_distribution(0, 3)(engine_);
        for (int tick = 0; tick < ticks && board_.controls().timer1Enabled; ++tick) {
            board_.timerTick();
        }
        outer_ = outer;
        --depth_;
        ++messages;
    }

    long messages = 0;

private:
    enum class Action { Start, MenuStart, Stop, MenuStop, Box, Tick, Reload };

    void act()
    {
        static const std::vector<int> weights{4, 2, 2, 1, 14, 12, 1};
        const auto action = static_cast<Action>(
            std::discrete_distribution<int>(weights.begin(), weights.end())(engine_));
        const BoardControls& controls = board_.controls();
        switch (action) {
        case Action::Start:
            if (controls.command1Enabled) {
                startGame([this] { board_.Command1_Click(); });
            }
            break;
        case Action::MenuStart:
            startGame([this] { board_.startgame_Click(); });
            break;
        case Action::Stop:
            if (controls.command33Enabled) {
                board_.Command33_Click();
            }
            break;
        case Action::MenuStop:
            board_.stopgame_Click();
            break;
        case Action::Box: {
            const int box = std::uniform_int_distribution(0, kBoxCount - 1)(engine_);
            if (controls.box(box).enabled) {
                opened_.insert(box);
                ++openings_;
            }
            board_.boxClick(box);
            break;
        }
        case Action::Tick:
            if (controls.timer1Enabled) {
                board_.timerTick();
            }
            break;
        case Action::Reload:
            board_.unload();
            board_.load(observer_, messages_);
            opened_.clear();
            startedSinceLoad_ = false;
            break;
        }
    }

    template <typename Start> void startGame(Start start)
    {
        opened_.clear();
        openings_ = 0;
        timeUpShown_ = false;
        won_ = false;
        limitShown_ = false;
        startedSinceLoad_ = true;
        start();
    }

    void check() const
    {
        const BoardControls& controls = board_.controls();
        const BoardFields& fields = board_.fields();
        const LevelData& data = board_.data();
        ASSERT_EQ(depth_, 0);
        if (controls.timer1Enabled) {
            EXPECT_FALSE(controls.command1Enabled);
            EXPECT_TRUE(controls.command33Enabled);
            EXPECT_TRUE(allBoxes(true)) << "a game is on, yet a box is disabled";
            EXPECT_GE(fields.seconds, 1);
            EXPECT_LT(fields.seconds, data.startingSeconds);
            EXPECT_FALSE(won_ || timeUpShown_ || limitShown_) << "the game ended, yet it runs";
        } else {
            EXPECT_TRUE(controls.command1Enabled);
            EXPECT_FALSE(controls.command33Enabled);
            EXPECT_TRUE(allBoxes(false)) << "no game, yet a box is enabled";
        }
        EXPECT_GE(fields.seconds, 0);
        for (const std::string& text : {controls.text1Text, controls.text2Text}) {
            EXPECT_EQ(text, numberText(std::stoi(text))) << "not number text: '" << text << "'";
        }
        if (startedSinceLoad_) {
            EXPECT_EQ(controls.text1Text, numberText(fields.seconds));
            EXPECT_EQ(controls.text2Text, numberText(fields.chance));
            EXPECT_EQ(fields.chance, openings_);
            EXPECT_EQ(controls.label1Caption, numberText(fields.target));
            EXPECT_GE(fields.target, data.targetOffset);
            EXPECT_LT(fields.target, data.targetOffset + kTargetSpan);
        }
        for (int box = 0; box < kBoxCount; ++box) {
            const bool red = controls.box(box).colour == kOpenedColour;
            EXPECT_EQ(red, opened_.contains(box)) << "box " << box << " is red: " << red;
            EXPECT_TRUE(red || controls.box(box).colour == kFreshColour);
        }
    }

    bool allBoxes(bool enabled) const
    {
        return std::ranges::all_of(board_.controls().boxes, [enabled](const BoxControl& box) {
            return box.enabled == enabled;
        });
    }

    std::mt19937_64 engine_;
    SeededRandom random_;
    NullObserver observer_;
    TickingMessages messages_{*this};
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

void TickingMessages::show(const Message& message)
{
    player_.messageShown(message);
}

std::vector<std::uint64_t> seeds()
{
    // NOLINTNEXTLINE(concurrency-mt-unsafe): read before anything else runs
    if (const char* replay = std::getenv("NUMORRA_PLAY_SEED")) {
        return {std::stoull(replay)};
    }
    std::vector<std::uint64_t> result;
    result.reserve(kSequences);
    std::random_device device;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        result.push_back((std::uint64_t{device()} << 32U) | device());
    }
    return result;
}

TEST(RandomPlay, EveryStepKeepsTheBoardInAStateTheRulesAllow)
{
    long steps = 0;
    long messages = 0;
    int sequence = 0;
    for (const std::uint64_t seed : seeds()) {
        const Level level = kLevels.at(static_cast<std::size_t>(sequence++) % kLevels.size());
        SCOPED_TRACE("replay with NUMORRA_PLAY_SEED=" + std::to_string(seed));
        Player player(seed, level);
        player.play(kStepsPerSequence);
        steps += kStepsPerSequence;
        messages += player.messages;
        if (HasFailure()) {
            return;
        }
    }
    std::cout << "random play: " << steps << " steps, " << messages << " messages\n";
}

} // namespace
} // namespace numorra
