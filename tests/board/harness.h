#pragma once

#include "board/board.h"
#include "board/level_table.h"
#include "board/number_text.h"
#include "board/ports.h"
#include "tests/board/level_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace numorra::testing {

inline bool allBoxes(const BoardControls& controls, bool enabled)
{
    return std::ranges::all_of(controls.boxes,
                               [enabled](const BoxControl& box) { return box.enabled == enabled; });
}

// What holds after every step of play: the buttons, the boxes and the timer
// agree on whether a game runs, and the counter stays within the level's
// time. Once a game has started since the load, the controls show the
// board's own fields as number text.
inline void expectConsistent(const Board& board, bool startedSinceLoad)
{
    const BoardControls& controls = board.controls();
    const BoardFields& fields = board.fields();
    const LevelFacts& level = factsOf(board.level());
    const bool running = controls.timer1Enabled;
    EXPECT_EQ(controls.command1Enabled, !running);
    EXPECT_EQ(controls.command33Enabled, running);
    EXPECT_TRUE(allBoxes(controls, running)) << "a box's enabled state is not the game's";
    EXPECT_GE(fields.seconds, running ? 1 : 0);
    EXPECT_LE(fields.seconds, level.seconds);
    if (startedSinceLoad) {
        EXPECT_EQ(controls.text1Text, numberText(fields.seconds));
        EXPECT_EQ(controls.text2Text, numberText(fields.chance));
        EXPECT_EQ(controls.label1Caption, numberText(fields.target));
        EXPECT_GE(fields.target, level.lowest);
        EXPECT_LE(fields.target, level.highest);
    }
}

// One loaded board with scripted randomness (or a source of the test's
// own), standing in for its window: it records each message with what the
// board looked like at that moment, and can act (deliver ticks, say) while
// a message is open. Each step it takes, but those taken while a message is
// open, is checked with expectConsistent.
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
        // Every start, during a game too, shows the full time, no chance
        // used and every box fresh.
        EXPECT_EQ(controls().text1Text, std::to_string(factsOf(board.level()).seconds));
        EXPECT_EQ(controls().text2Text, "0");
        EXPECT_TRUE(std::ranges::all_of(controls().boxes, [](const BoxControl& box) {
            return box.colour == kFreshColour;
        })) << "a box is not fresh after a start";
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
    // Runs once, inside the next message, as if the player waited.
    std::function<void()> whileOpen = [] {};

private:
    void checkStep() const
    {
        if (open_ == 0) {
            expectConsistent(board, started);
        }
    }

    int open_ = 0; // messages open now, one inside another
};

} // namespace numorra::testing
