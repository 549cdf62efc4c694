#pragma once

#include "board/board.h"
#include "board/number_text.h"
#include "tests/board/level_facts.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace numorra::testing {

// The messages as players know them; style 16 critical, 48 exclamation,
// 64 information.
inline Message winOn(Level level)
{
    return {factsOf(level).win, "Congratulations.", MessageStyle{48}};
}
inline Message missOn(Level level, int number)
{
    return {factsOf(level).miss + std::to_string(number), "Try Again.", MessageStyle{64}};
}
inline const Message kTimeUp{"Your Time is Up.", "Time Up", MessageStyle{16}};
inline const Message kNoMoreChance{"You Have No More Chance.", "Chance Finished.",
                                   MessageStyle{16}};

inline bool allBoxes(const BoardControls& controls, auto holds)
{
    return std::ranges::all_of(controls.boxes, holds);
}

// A loaded board in place of its window, recording each message with the
// board as it was then, and acting (`whileOpen`) while a message is open.
// After each step outside a message the buttons, boxes and timer agree on
// whether a game runs, the time keeps within the level's, and the controls
// show the fields as number text; a start shows the target drawn, the full
// time, no chance used and every box fresh.
class Harness final : public MessageBox, public BoardObserver {
public:
    struct Shown {
        Message message;
        BoardControls controls;
        int depth; // 1, or 2 for a message that came up inside another
    };

    explicit Harness(Level level, RandomSource* source = nullptr)
        : board(level, source != nullptr ? *source : random)
    {
        board.load(*this, *this);
    }

    void start(int target, bool fromMenu = false)
    {
        random.draws.push_back(drawFor(board.level(), target));
        fromMenu ? board.startgame_Click() : board.Command1_Click();
        started = true;
        checkStep();
        EXPECT_EQ(controls().label1Caption, std::to_string(target));
        EXPECT_EQ(controls().text1Text, std::to_string(factsOf(board.level()).seconds));
        EXPECT_EQ(controls().text2Text, "0");
        EXPECT_TRUE(allBoxes(controls(), [](auto& box) { return box.colour == kFreshColour; }));
    }

    void click(int box)
    {
        board.boxClick(box);
        checkStep();
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            board.Timer1_Timer();
        }
        checkStep();
    }

    const BoardControls& controls() const { return board.controls(); }

    void show(const Message& message) override
    {
        shown.push_back({message, board.controls(), ++open_});
        std::exchange(whileOpen, [] {})();
        --open_;
    }

    void controlChanged(ControlChange /*change*/) override {}

    ScriptedRandom random;
    Board board;
    bool started = false;
    std::vector<Shown> shown;
    // Runs once, inside the next message.
    std::function<void()> whileOpen = [] {};

private:
    void checkStep() const
    {
        const BoardControls& controls = board.controls();
        const BoardFields& fields = board.fields();
        const LevelFacts& level = factsOf(board.level());
        const bool running = controls.timer1Enabled;
        if (open_ > 0) {
            return;
        }
        EXPECT_EQ(controls.command1Enabled, !running);
        EXPECT_EQ(controls.command33Enabled, running);
        EXPECT_TRUE(allBoxes(controls, [running](auto& box) { return box.enabled == running; }));
        EXPECT_GE(fields.seconds, running ? 1 : 0);
        EXPECT_LE(fields.seconds, level.seconds);
        if (started) {
            EXPECT_EQ(controls.text1Text, numberText(fields.seconds));
            EXPECT_EQ(controls.text2Text, numberText(fields.chance));
            EXPECT_EQ(controls.label1Caption, numberText(fields.target));
            EXPECT_TRUE(fields.target >= level.lowest && fields.target <= level.highest);
        }
    }

    int open_ = 0; // messages open now, one inside another
};

} // namespace numorra::testing
