// The rules against the game's numbers and texts as players know them: the
// ends of the range, an unload, the clock's reseed, and long random play.
// (The order of a rule's steps is the state record's.)
#include "board/board.h"
#include "board/clock_random.h"
#include "board/number_text.h"
#include "tests/board/level_facts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <set>

namespace numorra::testing {
namespace {

// The messages as players know them; style 16 critical, 48 exclamation,
// 64 information.
Message winOn(Level level)
{
    return {factsOf(level).win, "Congratulations.", MessageStyle{48}};
}
Message missOn(Level level, int number)
{
    return {factsOf(level).miss + std::to_string(number), "Try Again.", MessageStyle{64}};
}
const Message kTimeUp{"Your Time is Up.", "Time Up", MessageStyle{16}};
const Message kNoMoreChance{"You Have No More Chance.", "Chance Finished.", MessageStyle{16}};

// A loaded board in place of its window, recording each message and how
// deep it came (2: inside another), and ticking the clock `ticksWhileOpen()`
// times inside each while a game runs.
class Harness final : public MessageBox, public BoardObserver {
public:
    explicit Harness(Level level, RandomSource* source = nullptr)
        : board(level, source != nullptr ? *source : random)
    {
        board.load(*this, *this);
    }

    void show(const Message& message) override
    {
        shown.emplace_back(message, ++open_);
        for (int tick = ticksWhileOpen(); tick > 0 && board.gameInProgress(); --tick) {
            board.Timer1_Timer();
        }
        --open_;
    }
    void controlChanged(ControlChange /*change*/) override {}

    ScriptedRandom random;
    Board board;
    std::vector<std::pair<Message, int>> shown;
    std::function<int()> ticksWhileOpen = [] { return 0; };

private:
    int open_ = 0;
};

TEST(Draws, TheLeastAndTheGreatestGiveTheEndsOfTheRange)
{
    Harness game(Level::Medium);
    game.random.draws = {0.0, unitDraw(std::numeric_limits<std::uint64_t>::max())};
    game.board.Command1_Click();
    EXPECT_EQ(game.board.controls().label1Caption, "102");
    game.board.startgame_Click();
    EXPECT_EQ(game.board.controls().label1Caption, "601");
}

TEST(LoadAndUnload, NoEventReachesAnUnloadedBoard)
{
    Harness game(Level::Easy);
    game.random.draws = {drawFor(Level::Easy, 317)};
    game.board.Command1_Click();
    game.board.boxClick(0); // a win
    game.board.unload();
    EXPECT_THROW(game.board.Command1_Click(), std::logic_error);
    EXPECT_THROW(game.board.Timer1_Timer(), std::logic_error);
    game.board.load(game, game);
    EXPECT_THROW(game.board.load(game, game), std::logic_error);
    EXPECT_EQ(game.board.controls().command1Caption, "&Start Game.");
    EXPECT_EQ(game.board.controls().label2Caption, "");
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
// After each step: a start shows the target, the full time and no chance;
// the buttons, boxes and timer agree on whether a game runs; the controls
// show the fields as number text; every opening's message is the box's;
// only time up comes inside a message, a miss; nothing follows the chance
// limit; a game is decided once at most, and ends then; a box is red
// exactly when it was opened since the start.
TEST(RandomPlay, EveryOpeningIsJudgedAndEveryGameEndsOnce)
{
    const char* replay = std::getenv("NUMORRA_PLAY_SEED"); // NOLINT(concurrency-mt-unsafe)
    std::random_device device;
    for (std::uint64_t run = 0; run < (replay != nullptr ? 1U : 21U) && !HasFailure(); ++run) {
        const std::uint64_t drawn = (std::uint64_t{device()} << 32U) | device();
        const std::uint64_t seed = replay != nullptr
                                       ? std::stoull(replay)
                                       : drawn - drawn % kLevels.size() + run % kLevels.size();
        SCOPED_TRACE("replay with NUMORRA_PLAY_SEED=" + std::to_string(seed));
        std::mt19937_64 engine(seed);
        const auto pick = [&engine](int count) {
            return std::uniform_int_distribution(0, count - 1)(engine);
        };
        const Level level = kLevels.at(seed % kLevels.size());
        const LevelFacts& facts = factsOf(level);
        Harness game(level);
        game.ticksWhileOpen = [&pick] { return pick(4); };
        const BoardControls& shows = game.board.controls();
        const BoardFields& fields = game.board.fields();
        std::set<int> opened;
        int openings = -1;         // -1 before the first start
        std::size_t gameStart = 0; // this game's first message
        const auto count = [&](const char* title) {
            return std::count_if(game.shown.begin() + static_cast<std::ptrdiff_t>(gameStart),
                                 game.shown.end(),
                                 [title](const auto& shown) { return shown.first.title == title; });
        };
        for (int step = 0; step < 6000 && !HasFailure(); ++step) {
            const int action = pick(36);
            const std::size_t before = game.shown.size();
            if (action < 6 && (action >= 4 || shows.command1Enabled)) {
                const int target =
                    pick(2) == 0 ? numberOn(pick(kBoxCount), level) : facts.lowest + pick(500);
                game.random.draws.push_back(drawFor(level, target));
                action >= 4 ? game.board.startgame_Click() : game.board.Command1_Click();
                EXPECT_EQ(shows.label1Caption, std::to_string(target));
                EXPECT_EQ(shows.text1Text, std::to_string(facts.seconds));
                EXPECT_EQ(shows.text2Text, "0");
                opened.clear();
                openings = 0;
                gameStart = game.shown.size();
            } else if (action == 6 || (action == 7 && shows.command33Enabled)) {
                action == 6 ? game.board.stopgame_Click() : game.board.Command33_Click();
            } else if (action >= 8 && action < 23) {
                const int box = pick(kBoxCount);
                const bool opens = shows.box(box).enabled;
                game.board.boxClick(box);
                ASSERT_EQ(game.shown.size() > before, opens) << "box " << box;
                if (opens) {
                    opened.insert(box);
                    ++openings;
                    EXPECT_EQ(game.shown.at(before).first,
                              numberOn(box, level) == fields.target
                                  ? winOn(level)
                                  : missOn(level, numberOn(box, level)));
                }
            } else if (action >= 23 && action < 35 && shows.timer1Enabled) {
                game.board.Timer1_Timer();
            } else if (action == 35) {
                game.board.unload();
                game.board.load(game, game);
                opened.clear();
                openings = -1;
            }
            const bool running = shows.timer1Enabled;
            EXPECT_EQ(shows.command1Enabled, !running);
            EXPECT_EQ(shows.command33Enabled, running);
            EXPECT_TRUE(std::ranges::all_of(shows.boxes,
                                            [running](auto& b) { return b.enabled == running; }));
            EXPECT_TRUE(fields.seconds >= (running ? 1 : 0) && fields.seconds <= facts.seconds);
            if (openings >= 0) {
                EXPECT_EQ(shows.text1Text, numberText(fields.seconds));
                EXPECT_EQ(shows.text2Text, numberText(fields.chance));
                EXPECT_EQ(shows.label1Caption, numberText(fields.target));
                EXPECT_TRUE(fields.target >= facts.lowest && fields.target <= facts.highest);
                EXPECT_EQ(fields.chance, openings);
            }
            for (std::size_t at = gameStart; at < game.shown.size(); ++at) {
                const auto& [message, depth] = game.shown.at(at);
                EXPECT_TRUE(depth == 1 || (message == kTimeUp &&
                                           game.shown.at(at - 1).first.title == "Try Again."));
                EXPECT_TRUE(message != kNoMoreChance || at + 1 == game.shown.size());
            }
            EXPECT_LE(count("Congratulations.") + count("Time Up"), 1);
            EXPECT_TRUE(!running ||
                        count("Congratulations.") + count("Time Up") + count("Chance Finished.") ==
                            0);
            for (int box = 0; box < kBoxCount; ++box) {
                EXPECT_EQ(shows.box(box).colour,
                          opened.contains(box) ? kOpenedColour : kFreshColour);
            }
        }
    }
}

} // namespace
} // namespace numorra::testing
