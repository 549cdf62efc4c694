#pragma once

#include "board/board.h"
#include "board/level_table.h"
#include "board/ports.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace numorra::testing {

// Draws the values a test scripts, so the target number is known.
class ScriptedRandom final : public RandomSource {
public:
    void reseed() override { ++reseeds; }
    double draw() override
    {
        if (next >= draws.size()) {
            throw std::logic_error("the test scripted no further draw");
        }
        return draws.at(next++);
    }

    std::vector<double> draws;
    std::size_t next = 0;
    int reseeds = 0;
};

// The r that makes `target` the target number on `level`.
inline double drawFor(Level level, int target)
{
    return (target - levelData(level).targetOffset + 0.5) / kTargetSpan;
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

    // The skip-th box (in box order) that does not hold `number` on this level.
    int boxWithout(int number, int skip = 0) const
    {
        for (int box = 0; box < kBoxCount; ++box) {
            if (board.data().boxNumber(box) != number && skip-- == 0) {
                return box;
            }
        }
        throw std::logic_error("no such box");
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
