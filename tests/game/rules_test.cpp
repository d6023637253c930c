// The rules one step at a time: new game, player moves, key and door, Walkers, traps, lives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/game_rig.h"

namespace {

struct CountingView : BoardView {
    void tileStored(int, TileCode) override { ++stores; }
    int stores = 0;
};

TEST(NewGame, StartsLevelOneWithFreshValues) {
    for (bool infinite : {false, true}) {
        GameRig r;
        r.game.infiniteLives = infinite;
        r.game.score = 77;
        r.game.newGame();
        EXPECT_TRUE(r.game.running);
        EXPECT_EQ(r.game.lives, infinite ? 999 : 3);
        EXPECT_EQ(r.game.score, 0);
        EXPECT_EQ(r.game.level, 1);
        EXPECT_FALSE(r.game.hasKey);
        EXPECT_EQ(r.game.walkers.size(), 3u);
        EXPECT_TRUE(r.game.traps.empty());
        EXPECT_EQ(r.display.scoreText, "Punteggio: 00000");
        EXPECT_EQ(r.display.levelText, "Livello: 01");
        EXPECT_EQ(r.display.livesText, infinite ? "Vite: 999" : "Vite: 3");
        EXPECT_EQ(r.display.startedCount, 1);
        EXPECT_EQ(r.game.scoreCounts(), false);

        // The first step draws the player facing right at (1, 13), without any input.
        r.game.playerStep();
        EXPECT_EQ(r.tileAt(1, 13), PlayerRight);
        EXPECT_EQ(r.game.playerCol, 1);
        EXPECT_EQ(r.game.playerRow, 13);
    }
}

TEST(PlayerStep, FirstStepDefaultFacing) {
    // The first step after a level start draws the player by where it stands.
    struct Case {
        int col, row;
        TileCode want;
    } cases[] = {{5, 7, PlayerUp},    {5, 1, PlayerDown},  {13, 4, PlayerLeft},
                 {13, 1, PlayerLeft}, {1, 1, PlayerRight}, {1, 13, PlayerRight}};
    for (const Case& c : cases) {
        GameRig r;
        r.emptyField(c.col, c.row);
        r.put(c.col, c.row, Floor);
        r.game.playerStep();
        EXPECT_EQ(r.tileAt(c.col, c.row), c.want) << c.col << "," << c.row;
    }
}

TEST(PlayerStep, MovesOneCellAndFacesItsDirection) {
    struct Case {
        InputCode input;
        int col, row;
        TileCode want;
    } cases[] = {{InputLeft, 6, 7, PlayerLeft},
                 {InputRight, 8, 7, PlayerRight},
                 {InputUp, 7, 6, PlayerUp},
                 {InputDown, 7, 8, PlayerDown}};
    for (const Case& c : cases) {
        GameRig r;
        r.emptyField(7, 7);
        r.input.hold(c.input);
        r.game.playerStep();
        EXPECT_EQ(r.game.playerCol, c.col);
        EXPECT_EQ(r.game.playerRow, c.row);
        EXPECT_EQ(r.tileAt(7, 7), Floor);
        EXPECT_EQ(r.tileAt(c.col, c.row), c.want);
    }
}

TEST(PlayerStep, EdgesBlockersAndFireChangeNothing) {
    struct Case {
        const char* what;
        int col, row;
        InputCode input;
        TileCode blocker; // put on the cell the input points to, when inside the field
    } cases[] = {
        {"top edge", 4, 1, InputUp, Floor},    {"bottom edge", 4, 13, InputDown, Floor},
        {"left edge", 1, 4, InputLeft, Floor}, {"right edge", 13, 4, InputRight, Floor},
        {"wall", 7, 7, InputRight, Wall},      {"walker", 7, 7, InputLeft, WalkerDown},
        {"locked door", 7, 7, InputUp, Door},  {"player code", 7, 7, InputDown, PlayerLeft},
        {"fire", 7, 7, InputFire, Floor},
    };
    for (const Case& c : cases) {
        GameRig r;
        r.emptyField(c.col, c.row);
        const int dc = c.input == InputLeft ? -1 : c.input == InputRight ? 1 : 0;
        const int dr = c.input == InputUp ? -1 : c.input == InputDown ? 1 : 0;
        if (c.blocker != Floor)
            r.put(c.col + dc, c.row + dr, c.blocker);
        CountingView view;
        r.game.board.attachView(&view);
        r.input.hold(c.input);
        r.game.playerStep();
        EXPECT_EQ(r.game.playerCol, c.col) << c.what;
        EXPECT_EQ(r.game.playerRow, c.row) << c.what;
        EXPECT_EQ(view.stores, 0) << c.what;
        EXPECT_FALSE(r.game.caught) << c.what;
        EXPECT_EQ(r.tileAt(c.col, c.row), PlayerUp) << c.what;
    }
}

TEST(PlayerStep, TakingTheKeyScoresAndPlaysItsSound) {
    GameRig r;
    r.emptyField(4, 4);
    r.put(5, 4, Key);
    r.input.hold(InputRight);
    r.game.playerStep();
    EXPECT_TRUE(r.game.hasKey);
    EXPECT_EQ(r.game.score, 1500);
    EXPECT_EQ(r.tileAt(5, 4), PlayerRight);
    EXPECT_EQ(r.display.scoreText, "Punteggio: 01500");
    EXPECT_EQ(r.display.sounds, std::vector<int>{SoundKey});
}

TEST(PlayerStep, DoorLeadsToTheOppositeSide) {
    struct Case {
        int fromCol, fromRow;
        InputCode input;
        int entryCol, entryRow;
    } cases[] = {
        {12, 5, InputRight, 1, 5},   // door at (13, 5)
        {7, 12, InputDown, 7, 1},    // door at (7, 13)
        {1, 2, InputUp, 1, 13},      // door at (1, 1): the row rule wins
        {2, 10, InputLeft, 13, 10},  // door at (1, 10)
        {12, 1, InputRight, 13, 13}, // door at (13, 1)
        {9, 2, InputUp, 9, 13},      // door at (9, 1)
    };
    for (const Case& c : cases) {
        GameRig r;
        r.emptyField(c.fromCol, c.fromRow);
        r.game.level = 3;
        r.game.hasKey = true;
        r.game.score = 1500;
        const int doorCol = c.fromCol + (c.input == InputLeft ? -1 : c.input == InputRight);
        const int doorRow = c.fromRow + (c.input == InputUp ? -1 : c.input == InputDown);
        r.put(doorCol, doorRow, Door);
        r.game.refreshHud();
        r.input.hold(c.input);
        r.game.playerStep();
        SCOPED_TRACE(std::to_string(doorCol) + "," + std::to_string(doorRow));
        EXPECT_TRUE(r.game.levelDone);
        EXPECT_EQ(r.game.level, 4);
        EXPECT_EQ(r.game.score, 3500);
        EXPECT_EQ(r.game.playerCol, c.entryCol);
        EXPECT_EQ(r.game.playerRow, c.entryRow);
        EXPECT_EQ(r.display.message, "Livello completato!");
        EXPECT_EQ(r.display.levelText, "Livello: 03"); // until the next level starts
        EXPECT_EQ(r.display.sounds, std::vector<int>{SoundDoor});
        // Nothing is drawn: the old cell keeps the player, the door keeps its tile.
        EXPECT_EQ(r.tileAt(c.fromCol, c.fromRow), PlayerUp);
        EXPECT_EQ(r.tileAt(doorCol, doorRow), Door);
    }
}

TEST(PlayerStep, TheLastDoorWinsTheGame) {
    GameRig r;
    r.emptyField(9, 7);
    r.game.level = 10;
    r.game.hasKey = true;
    r.game.score = 33000;
    r.put(10, 7, Door);
    r.input.hold(InputRight);
    r.game.playerStep();
    EXPECT_FALSE(r.game.running);
    EXPECT_FALSE(r.game.levelDone);
    EXPECT_EQ(r.game.score, 35000);
    EXPECT_EQ(r.game.level, 10);
    EXPECT_EQ(r.display.message, "Bravo. Gioco completato!");
    EXPECT_EQ(r.display.gameOverCount, 1);
    EXPECT_EQ(r.tileAt(10, 7), PlayerRight);
    EXPECT_EQ(r.tileAt(9, 7), Floor);
    EXPECT_TRUE(r.game.scoreCounts());
}

TEST(PlayerStep, WalkingIntoAClosedTrapCatches) {
    GameRig r;
    r.emptyField(4, 4);
    r.put(4, 5, TrapClosed);
    r.input.hold(InputDown);
    r.game.playerStep();
    EXPECT_TRUE(r.game.caught);
    EXPECT_FALSE(r.game.eventStamp.isNull);
    EXPECT_EQ(r.game.playerRow, 5);
    EXPECT_EQ(r.tileAt(4, 4), Floor);
    EXPECT_EQ(r.tileAt(4, 5), TrapClosed);
    EXPECT_EQ(r.display.sounds, std::vector<int>{SoundCaught});
}

TEST(WalkerPass, FirstPassOnlyShowsEveryWalkerAtHome) {
    GameRig r;
    r.game.newGame();
    r.game.playerCol = 2; // inside walker 1's zone: still no step on the first pass
    r.game.playerRow = 9;
    r.game.walkerPass();
    for (const Walker& w : r.game.walkers) {
        EXPECT_TRUE(w.shown);
        EXPECT_EQ(w.col, w.homeCol);
        EXPECT_EQ(w.row, w.homeRow);
        EXPECT_EQ(r.tileAt(w.homeCol, w.homeRow), w.tile);
    }
}

TEST(WalkerPass, ChasesColumnsFirstAndCatchesByStepping) {
    GameRig r;
    r.emptyField(5, 5);
    std::vector<int> zone;
    for (int row = 2; row <= 8; ++row)
        for (int col = 2; col <= 8; ++col)
            zone.push_back(cellIndex(col, row));
    r.game.walkers.push_back(makeWalker(cellIndex(3, 3), zone, WalkerUp));
    r.game.walkerPass(); // shown at home
    r.put(4, 3, Wall);   // a Walker overwrites whatever it steps on
    const struct {
        int col, row;
        TileCode tile;
    } path[] = {{4, 3, WalkerRight}, {5, 3, WalkerRight}, {5, 4, WalkerDown}};
    for (const auto& p : path) {
        r.game.walkerPass();
        const Walker& w = r.game.walkers[0];
        EXPECT_EQ(w.col, p.col);
        EXPECT_EQ(w.row, p.row);
        EXPECT_EQ(w.tile, p.tile);
        EXPECT_EQ(r.tileAt(p.col, p.row), p.tile);
        EXPECT_FALSE(r.game.caught);
    }
    EXPECT_EQ(r.tileAt(3, 3), Floor);
    EXPECT_EQ(r.tileAt(4, 3), Floor);
    r.game.walkerPass();
    EXPECT_TRUE(r.game.caught);
    EXPECT_EQ(r.tileAt(5, 5), WalkerDown);
    EXPECT_EQ(r.display.sounds, std::vector<int>{SoundCaught});
}

TEST(WalkerPass, AWalkerGoingHomeCrossesThePlayerWithoutCatching) {
    GameRig r;
    r.emptyField(5, 4);
    Walker w = makeWalker(cellIndex(5, 2), {cellIndex(5, 2)}, WalkerUp);
    w.shown = true;
    w.row = 6; // out of its zone-less home; the player stands between it and home
    r.game.walkers.push_back(w);
    r.game.walkerPass();
    r.game.walkerPass(); // onto the player's cell
    EXPECT_EQ(r.game.walkers[0].row, 4);
    EXPECT_FALSE(r.game.caught);
    r.game.walkerPass();
    r.game.walkerPass();
    EXPECT_EQ(r.game.walkers[0].row, 2);
    EXPECT_FALSE(r.game.caught);
    // At home it waits, and draws itself again if something overwrote it.
    r.put(5, 2, Floor);
    r.game.walkerPass();
    EXPECT_EQ(r.tileAt(5, 2), WalkerUp);
    EXPECT_EQ(r.game.walkers[0].row, 2);
}

TEST(WalkerPass, ACatchStopsTheOtherWalkersButNotTheTraps) {
    GameRig r;
    r.emptyField(5, 5);
    Walker catcher = makeWalker(cellIndex(5, 4), {cellIndex(5, 5)}, WalkerDown);
    catcher.shown = true;
    Walker later = makeWalker(cellIndex(9, 9), {cellIndex(5, 5)}, WalkerUp);
    later.shown = true;
    r.game.walkers = {catcher, later};
    r.game.traps.push_back(makeTrap(2, 2, 500, r.clock));
    r.clock.advanceMs(501);
    r.game.walkerPass();
    EXPECT_TRUE(r.game.caught);
    EXPECT_EQ(r.game.walkers[1].col, 9); // did not step
    EXPECT_TRUE(r.game.traps[0].closed);
}

TEST(Traps, SwitchAfterTheirPeriodAndCatchWhenClosingOnThePlayer) {
    GameRig r;
    r.emptyField(6, 6);
    r.game.traps.push_back(makeTrap(3, 3, 500, r.clock));
    r.game.traps.push_back(makeTrap(6, 6, 1001, r.clock)); // under the player
    r.game.traps.push_back(makeTrap(9, 9, 500, r.clock));

    r.clock.advanceMs(500); // not more than the period yet
    r.game.walkerPass();
    EXPECT_FALSE(r.game.traps[0].closed);

    r.clock.advanceMs(1);
    r.game.walkerPass();
    EXPECT_TRUE(r.game.traps[0].closed);
    EXPECT_EQ(r.tileAt(3, 3), TrapClosed);
    EXPECT_TRUE(r.game.traps[2].closed);

    r.clock.advanceMs(500);
    r.game.walkerPass();
    EXPECT_EQ(r.tileAt(3, 3), TrapClosed); // 500 since its switch: not yet
    const TimeStamp before = r.game.traps[1].lastSwitch;
    const LocalTime switchedAt = r.game.traps[0].lastSwitch.time;
    r.clock.advanceMs(1);
    r.game.walkerPass();
    EXPECT_FALSE(r.game.traps[0].closed);
    EXPECT_EQ(r.tileAt(3, 3), Floor);
    // The second trap closes on the player: caught, its switch time kept, and the third
    // trap, due as well, is not checked in this pass.
    EXPECT_TRUE(r.game.caught);
    EXPECT_TRUE(r.game.traps[1].closed);
    EXPECT_EQ(r.tileAt(6, 6), TrapClosed);
    EXPECT_EQ(r.game.traps[1].lastSwitch.time, before.time);
    EXPECT_TRUE(r.game.traps[2].closed);
    EXPECT_NE(r.game.traps[0].lastSwitch.time, switchedAt);
    EXPECT_EQ(r.display.sounds, std::vector<int>{SoundCaught});
}

TEST(Lives, ACatchCostsALifeAndRestartsTheLevel) {
    GameRig r;
    r.game.newGame();
    r.game.restartCol = 1;
    r.game.restartRow = 13;
    r.game.playerCol = 13; // stood on the key's cell
    r.game.playerRow = 1;
    r.game.hasKey = true;
    r.game.score = 1500;
    r.game.caught = true;
    r.game.resolveCaught();
    EXPECT_FALSE(r.game.caught);
    EXPECT_EQ(r.game.lives, 2);
    EXPECT_EQ(r.game.score, 1500);
    EXPECT_FALSE(r.game.hasKey);
    EXPECT_EQ(r.tileAt(13, 1), Key); // the key is back
    EXPECT_EQ(r.game.playerCol, 1);
    EXPECT_EQ(r.game.playerRow, 13);
    EXPECT_EQ(r.display.livesText, "Vite: 2");
    EXPECT_TRUE(r.game.running);
}

TEST(Lives, TheLastCatchEndsTheGameShowingOneLife) {
    GameRig r;
    r.game.newGame();
    r.game.lives = 2;
    r.game.caught = true;
    r.game.resolveCaught();
    EXPECT_EQ(r.game.lives, 1);
    r.game.caught = true;
    r.game.resolveCaught();
    EXPECT_FALSE(r.game.running);
    EXPECT_EQ(r.game.lives, 1);
    EXPECT_EQ(r.display.livesText, "Vite: 1");
    EXPECT_EQ(r.display.message, "Fine gioco!");
    EXPECT_EQ(r.display.gameOverCount, 1);
    EXPECT_FALSE(r.game.scoreCounts()); // no points
}

TEST(LevelDone, TheNextLevelStartsAtTheEntryCell) {
    GameRig r;
    r.game.newGame();
    r.game.level = 2;
    r.game.playerCol = 9; // reflected from the door of level 1
    r.game.playerRow = 1;
    r.game.levelDone = true;
    r.game.resolveLevelDone();
    EXPECT_FALSE(r.game.levelDone);
    EXPECT_EQ(r.game.restartCol, 9);
    EXPECT_EQ(r.game.restartRow, 1);
    EXPECT_EQ(r.tileAt(1, 10), Door); // level 2
    EXPECT_EQ(r.display.levelText, "Livello: 02");
    EXPECT_EQ(r.display.message, "");
    EXPECT_EQ(r.game.traps.size(), 1u);
}

TEST(Idle, AbandonShowsTheIdlePictureAndKeepsTheFigures) {
    static const char* const picture[13] = {
        ".............", "..........###", "..........#..", "..........#..", "..W.......#..",
        "....W.....#..", "..W.....###..", "....W..P.....", "..W.....###..", "....W.....#..",
        "..W.......#..", "..........###", ".............",
    };
    GameRig r;
    r.game.newGame();
    r.display.message = "Livello completato!";
    r.game.abandonGame();
    EXPECT_FALSE(r.game.running);
    EXPECT_EQ(r.display.abandonedCount, 1);
    EXPECT_EQ(r.display.message, "");
    EXPECT_EQ(r.game.walkers.size(), 3u);
    for (int row = 1; row <= 13; ++row)
        for (int col = 1; col <= 13; ++col) {
            const char c = picture[row - 1][col - 1];
            const TileCode want = c == '#'   ? Wall
                                  : c == 'W' ? WalkerRight
                                  : c == 'P' ? PlayerRight
                                             : Floor;
            EXPECT_EQ(r.tileAt(col, row), want) << col << "," << row;
        }
}

} // namespace
