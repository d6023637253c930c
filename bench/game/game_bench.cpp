// How long a tick with nothing due and a walker pass on level 10 take.
#include <benchmark/benchmark.h>

#include <memory>

#include "game/clock.h"
#include "game/game.h"
#include "game/input.h"

namespace {

LocalTime farFuture() {
    LocalTime t;
    t.year = 3000;
    t.month = 1;
    t.day = 1;
    return t;
}

// A game on `level` with its first step and first walker pass done.
struct Playing {
    explicit Playing(Clock& clock, int level) : game(clock, input, display) {
        game.newGame();
        game.level = level;
        game.startLevel();
        game.tick();
        game.playerStep();
        game.walkerPass(); // every Walker shown at home
    }
    HeldInput input;
    NullDisplay display;
    Game game;
};

// Nothing is due: the stamps lie ahead of the clock and the walker count is held back.
void runQuietTicks(benchmark::State& state, Clock& clock, bool running) {
    Playing p(clock, 1);
    if (!running)
        p.game.abandonGame();
    TimeStamp ahead;
    ahead.time = farFuture();
    ahead.isNull = false;
    p.game.moveStamp = ahead;
    p.game.marqueeStamp = ahead;
    for (auto _ : state) {
        p.game.stepCounter = 0;
        p.game.tick();
    }
    benchmark::DoNotOptimize(p.game.playerCol);
}

void BM_TickNothingDue_ManualClock(benchmark::State& state) {
    ManualClock clock;
    runQuietTicks(state, clock, state.range(0) != 0);
}
BENCHMARK(BM_TickNothingDue_ManualClock)->ArgName("running")->Arg(0)->Arg(1);

void BM_TickNothingDue_SystemClock(benchmark::State& state) {
    SystemClock clock;
    runQuietTicks(state, clock, state.range(0) != 0);
}
BENCHMARK(BM_TickNothingDue_SystemClock)->ArgName("running")->Arg(0)->Arg(1);

// Level 10 with its five Walkers and five traps (none due on the standing clock).
// Arg 0: the player outside every zone, all Walkers wait at home.
// Arg 1: the player in Walker 1's zone; it has reached the player and steps in place.
void BM_WalkerPassLevel10(benchmark::State& state) {
    ManualClock clock;
    Playing p(clock, 10);
    if (state.range(0) != 0) {
        p.game.playerCol = 12;
        p.game.playerRow = 9;
        for (int i = 0; i < 10; ++i)
            p.game.walkerPass();
    }
    for (auto _ : state)
        p.game.walkerPass();
    benchmark::DoNotOptimize(p.game.walkers.data());
}
BENCHMARK(BM_WalkerPassLevel10)->ArgName("chasing")->Arg(0)->Arg(1);

} // namespace
