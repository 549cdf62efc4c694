#pragma once

#include "board/board.h"
#include "board/level_table.h"
#include "board/number_text.h"
#include "board/ports.h"
#include "tests/board/level_facts.h"
#include "tests/board/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace numorra::testing {

// A message box that records what it showed and what the board looked like
// at that moment, and can act (deliver ticks, say) while it is "open".
class RecordingMessages final : public MessageBox {
public:
    struct Shown {
        Message message;
        BoardControls controls;
    };

    explicit RecordingMessages(const Board*& board) : board_(board) {}

    void show(const Message& message) override
    {
        shown.push_back({message, board_->controls()});
        ++open;
        if (whileOpen) {
            auto action = std::move(whileOpen);
            whileOpen = nullptr;
            action();
        }
        --open;
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const Shown& entry : shown) {
            result.push_back(entry.message.text);
        }
        return result;
    }

    std::vector<Shown> shown;
    int open = 0; // messages open now, one inside another
    // Runs once, inside the next message, as if the player waited.
    std::function<void()> whileOpen;

private:
    const Board*& board_;
};

class RecordingObserver final : public BoardObserver {
public:
    void controlChanged(ControlChange change) override { changes.push_back(change); }
    std::vector<ControlChange> changes;
};

inline bool allBoxes(const BoardControls& controls, bool enabled)
{
    return std::ranges::all_of(controls.boxes,
                               [enabled](const BoxControl& box) { return box.enabled == enabled; });
}

// What holds after every step of play: the buttons, the boxes and the timer
// agree on whether a game runs, the counters stay within the level's time,
// and every number shown is number text. Once a game has started since the
// load, the controls show the board's own fields.
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
    for (const std::string& text : {controls.text1Text, controls.text2Text}) {
        EXPECT_EQ(text, numberText(std::stoi(text))) << "not number text: '" << text << "'";
    }
    if (startedSinceLoad) {
        EXPECT_EQ(controls.text1Text, numberText(fields.seconds));
        EXPECT_EQ(controls.text2Text, numberText(fields.chance));
        EXPECT_EQ(controls.label1Caption, numberText(fields.target));
        EXPECT_GE(fields.target, level.lowest);
        EXPECT_LE(fields.target, level.highest);
    }
}

// One loaded board with scripted randomness and recorded messages; each
// step it takes, but those taken while a message is open, is checked with
// expectConsistent.
class Harness {
public:
    explicit Harness(Level level) : board(level, random)
    {
        boardView = &board;
        board.load(observer, messages);
    }

    void start(int target)
    {
        random.draws.push_back(drawFor(board.level(), target));
        board.Command1_Click();
        started = true;
        checkStep();
    }

    void startFromMenu(int target)
    {
        random.draws.push_back(drawFor(board.level(), target));
        board.startgame_Click();
        started = true;
        checkStep();
    }

    void click(int box)
    {
        board.boxClick(box);
        checkStep();
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            board.timerTick();
        }
        checkStep();
    }

    const BoardControls& controls() const { return board.controls(); }

    void checkStep() const
    {
        if (messages.open == 0) {
            expectConsistent(board, started);
        }
    }

    ScriptedRandom random;
    RecordingObserver observer;
    const Board* boardView = nullptr;
    RecordingMessages messages{boardView};
    Board board;
    bool started = false;
};

} // namespace numorra::testing
