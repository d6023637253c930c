// The two hazards of a level: Walker figures that chase the player, and timed traps.
#pragma once

#include <vector>

#include "game/board.h"
#include "game/clock.h"

// A (column, row) pair of the field.
struct CellPos {
    int col = 0;
    int row = 0;
    bool operator==(const CellPos& o) const { return col == o.col && row == o.row; }
};

// A figure with a home cell that chases the player while the player stands in its zone and
// walks back home otherwise. It stays invisible until the first walker pass draws it.
struct Walker {
    int col = 0;
    int row = 0;
    std::vector<CellPos> zone; // only membership matters; an empty zone never chases
    bool shown = false;
    int homeCol = 0;
    int homeRow = 0;
    TileCode tile = WalkerUp; // always one of the four Walker codes: its last direction
};

// A floor cell that closes and opens again every `periodMs` (the same for both phases).
struct Trap {
    bool closed = false;
    int col = 0;
    int row = 0;
    int periodMs = 0;
    TimeStamp lastSwitch; // at creation the moment the trap was built
};

// A Walker standing, not yet shown, on its home cell, with its zone in the given order.
Walker makeWalker(int homeCell, const std::vector<int>& zoneCells, TileCode initialTile);
// An open trap whose period starts now.
Trap makeTrap(int col, int row, int periodMs, Clock& clock);
