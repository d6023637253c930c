// A player that wins the game on its own, for the headless runner.
#pragma once

#include "game/clock.h"
#include "game/game.h"
#include "game/input.h"

// Starts a new game unless one runs, then plays until the game ends. It acts only as the
// runner's user does: it holds input codes and runs ticks 30 ms apart on the clock. Each
// level is planned by a search over copies of the game run on simulated time, so the plan
// plays out exactly. False when it gave up: no safe way was found, or the game did not end
// within a generous number of ticks.
bool autoplay(Game& game, ManualClock& clock, HeldInput& input);

// One tick as the runner makes it: the clock moves 30 ms, then the game ticks.
void runTick(Game& game, ManualClock& clock);
