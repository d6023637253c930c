// The ten fixed levels of the game and the builder that lays one out on the field.
#pragma once

#include <vector>

#include "game/board.h"
#include "game/clock.h"
#include "game/figures.h"

constexpr int LastLevel = 10;

// Lays out level n (1..10) on a field whose interior is already clear: walls, then the door,
// then the key; appends the level's traps (stamped with the clock's time) and its Walker
// figures in their fixed order. Any other number builds nothing.
void buildLevel(int n, Board& board, std::vector<Walker>& walkers, std::vector<Trap>& traps,
                Clock& clock);
