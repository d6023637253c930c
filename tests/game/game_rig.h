// A game on a manual clock with a held input and a recording display, for the game tests.
#pragma once

#include "game/clock.h"
#include "game/game.h"
#include "game/input.h"
#include "game/recording_display.h"

inline LocalTime makeTime(int year, int month, int day, int hour, int minute, int second, int ms) {
    LocalTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    t.millisecond = ms;
    return t;
}

struct GameRig {
    ManualClock clock;
    HeldInput input;
    RecordingDisplay display;
    Game game{clock, input, display};

    GameRig() { clock.set(makeTime(2026, 1, 1, 12, 0, 0, 0)); }

    // n ticks, 30 ms apart, as the game timer makes them.
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clock.advanceMs(30);
            game.tick();
        }
    }
    TileCode tileAt(int col, int row) const { return game.board.tileAt(cellIndex(col, row)); }
    void put(int col, int row, TileCode code) { game.board.setTile(cellIndex(col, row), code); }
    // A running game on an empty level 1 field with no figures, the player drawn at (col, row).
    void emptyField(int col, int row) {
        game.newGame();
        game.board.clearInterior();
        game.walkers.clear();
        game.traps.clear();
        game.playerCol = col;
        game.playerRow = row;
        put(col, row, PlayerUp);
    }
};
