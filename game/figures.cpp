// Making Walker and Trap records from level data.
#include "game/figures.h"

Walker makeWalker(int homeCell, const std::vector<int>& zoneCells, TileCode initialTile) {
    Walker w;
    w.homeCol = cellCol(homeCell);
    w.homeRow = cellRow(homeCell);
    for (int n : zoneCells)
        w.zone.push_back({cellCol(n), cellRow(n)});
    w.col = w.homeCol;
    w.row = w.homeRow;
    w.shown = false;
    w.tile = initialTile;
    return w;
}

Trap makeTrap(int col, int row, int periodMs, Clock& clock) {
    Trap p;
    p.closed = false;
    p.col = col;
    p.row = row;
    p.periodMs = periodMs;
    stampNow(p.lastSwitch, clock);
    return p;
}
