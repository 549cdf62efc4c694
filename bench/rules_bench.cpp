// The rules on their own: a start, a tick and a box opening on a loaded
// board, with messages and the window's mirror reduced to nothing.
#include "board/board.h"

#include <benchmark/benchmark.h>

namespace {

using namespace numorra;

class SilentMessages final : public MessageBox {
public:
    void show(const Message& message) override { benchmark::DoNotOptimize(message.text.data()); }
};

class SilentObserver final : public BoardObserver {
public:
    void controlChanged(ControlChange change) override { benchmark::DoNotOptimize(change); }
};

// The same draw every game: a target no box holds, so every opening misses.
class FixedRandom final : public RandomSource {
public:
    void reseed() override {}
    double draw() override { return 0.999; }
};

struct LoadedBoard {
    LoadedBoard() { board.load(observer, messages); }
    FixedRandom random;
    SilentMessages messages;
    SilentObserver observer;
    Board board{Level::Easy, random};
};

void startGame(benchmark::State& state)
{
    LoadedBoard loaded;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        loaded.board.startgame_Click();
    }
}
BENCHMARK(startGame);

void tick(benchmark::State& state)
{
    LoadedBoard loaded;
    loaded.board.startgame_Click();
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        loaded.board.Timer1_Timer();
        if (loaded.board.fields().seconds == 1) {
            state.PauseTiming();
            loaded.board.startgame_Click();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(tick);

void openBox(benchmark::State& state)
{
    LoadedBoard loaded;
    loaded.board.startgame_Click();
    int box = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop
        loaded.board.boxClick(box++);
        if (box == kChanceLimit) {
            state.PauseTiming();
            loaded.board.startgame_Click();
            box = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(openBox);

} // namespace

BENCHMARK_MAIN();
