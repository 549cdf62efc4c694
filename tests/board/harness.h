#pragma once

#include "board/board.h"
#include "board/level_table.h"
#include "board/ports.h"
#include "tests/board/level_facts.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace numorra::testing {

// Draws the values a test scripts, first to last, so the target number is
// known. The one random source of the tests, the window tests' too.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    double draw() override
    {
        if (draws.empty()) {
            throw std::logic_error("the test scripted no further draw");
        }
        const double r = draws.front();
        draws.pop_front();
        return r;
    }

    std::deque<double> draws;
    int reseeds = 0;
};

// The r that makes `target` the target number on `level`: the draws from 0
// up to 1 fall evenly on the level's range, lowest to highest.
inline double drawFor(Level level, int target)
{
    const LevelFacts& facts = factsOf(level);
    return (target - facts.lowest + 0.5) / (facts.highest - facts.lowest + 1);
}

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
        if (whileOpen) {
            auto action = std::move(whileOpen);
            whileOpen = nullptr;
            action();
        }
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

// One loaded board with scripted randomness and recorded messages.
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
    }

    void startFromMenu(int target)
    {
        random.draws.push_back(drawFor(board.level(), target));
        board.startgame_Click();
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            board.timerTick();
        }
    }

    const BoardControls& controls() const { return board.controls(); }

    ScriptedRandom random;
    RecordingObserver observer;
    const Board* boardView = nullptr;
    RecordingMessages messages{boardView};
    Board board;
};

inline bool allBoxes(const BoardControls& controls, bool enabled)
{
    return std::ranges::all_of(controls.boxes,
                               [enabled](const BoxControl& box) { return box.enabled == enabled; });
}

} // namespace numorra::testing
