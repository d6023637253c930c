// The tick on simulated time: cadences, pauses, the marquee, the idle screen and re-entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/game_rig.h"

namespace {

// Moves the clock without a tick, then runs one tick.
void tickAfter(GameRig& r, int ms) {
    r.clock.advanceMs(ms);
    r.game.tick();
}

TEST(Tick, FirstTickStampsTheClocksAndShowsNoMarquee) {
    GameRig r;
    r.game.rankingLines = {"00001500 ANNA         Livello 2"};
    r.game.tick();
    EXPECT_FALSE(r.game.moveStamp.isNull);
    EXPECT_FALSE(r.game.eventStamp.isNull);
    EXPECT_FALSE(r.game.marqueeStamp.isNull);
    EXPECT_EQ(r.display.marquee, "");
    tickAfter(r, 5000); // not more than 5000 ms yet
    EXPECT_EQ(r.display.marquee, "");
    tickAfter(r, 1);
    EXPECT_EQ(r.display.marquee, "Classifica: 1\xB0 Punteggio 00001500 ANNA         Livello 2");
    tickAfter(r, 5001);
    EXPECT_EQ(r.display.marquee, "");
    EXPECT_EQ(r.game.marqueeIndex, 0);
}

TEST(Tick, TheFirstTickStartsTheClocksEvenAfterAnEarlierPlayerStep) {
    // A player step before any tick stamps moveStamp; the first tick must still start the
    // marquee and pause clocks, or the strip would never turn.
    GameRig r;
    r.game.rankingLines = {"00001500 ANNA         Livello 2"};
    r.game.newGame();
    r.game.playerStep();
    r.game.tick();
    EXPECT_FALSE(r.game.eventStamp.isNull);
    EXPECT_FALSE(r.game.marqueeStamp.isNull);
    tickAfter(r, 5001);
    EXPECT_EQ(r.display.marquee, "Classifica: 1\xB0 Punteggio 00001500 ANNA         Livello 2");
}

TEST(Tick, IdleTicksHoldThePlayerAtTheStartCell) {
    GameRig r;
    r.game.playerCol = r.game.restartCol = 7;
    r.game.playerRow = r.game.restartRow = 4;
    r.game.tick();
    EXPECT_EQ(r.game.playerCol, 1);
    EXPECT_EQ(r.game.playerRow, 13);
    EXPECT_EQ(r.game.restartCol, 1);
    EXPECT_EQ(r.game.restartRow, 13);
    EXPECT_EQ(r.game.stepCounter, 0);
}

TEST(Tick, PlayerStepsOnlyWhenMoreThan150MsHavePassed) {
    GameRig r;
    r.emptyField(1, 7);
    r.game.tick(); // stamps; the first step comes later
    r.input.hold(InputRight);
    tickAfter(r, 150);
    EXPECT_EQ(r.game.playerCol, 1);
    tickAfter(r, 1);
    EXPECT_EQ(r.game.playerCol, 2);

    // An arrow held for one second on the real 30 ms cadence: a step every 180 ms.
    GameRig held;
    held.emptyField(1, 7);
    held.input.hold(InputRight);
    held.tick();   // the first tick: stamps only
    held.tick(33); // about one second
    EXPECT_EQ(held.game.playerCol, 1 + 5);
}

TEST(Tick, WalkersMoveOnEverySixteenthCountedTick) {
    GameRig r;
    r.game.newGame();
    r.tick(15);
    for (const Walker& w : r.game.walkers)
        EXPECT_FALSE(w.shown);
    EXPECT_EQ(r.game.stepCounter, 15);
    r.tick();
    for (const Walker& w : r.game.walkers)
        EXPECT_TRUE(w.shown);
    EXPECT_EQ(r.game.stepCounter, 0);
    // Walker 1 of level 1 chases the player once it stands in its zone.
    r.game.playerCol = 2;
    r.game.playerRow = 9;
    r.tick(15);
    EXPECT_EQ(r.game.walkers[0].row, 11);
    r.tick();
    EXPECT_EQ(r.game.walkers[0].col, 2);
}

// Level 1 running with the player walked into walker 1's path and caught.
void caughtOnLevelOne(GameRig& r) {
    r.game.newGame();
    r.tick(16); // walkers shown
    r.game.playerCol = 1;
    r.game.playerRow = 10; // right above walker 1's home (1, 11)
    r.tick(16);
    ASSERT_TRUE(r.game.caught);
}

TEST(Tick, TheCaughtPauseFreezesTheFieldForMoreThan2000Ms) {
    GameRig r;
    caughtOnLevelOne(r);
    const TimeStamp caughtAt = r.game.eventStamp;
    r.clock.set(caughtAt.time);
    r.input.hold(InputRight);
    r.tick(66); // 1980 ms: nothing moves, no counting
    EXPECT_TRUE(r.game.caught);
    EXPECT_EQ(r.game.stepCounter, 0);
    EXPECT_EQ(r.game.playerCol, 1);
    tickAfter(r, 20); // exactly 2000
    EXPECT_TRUE(r.game.caught);
    r.input.hold(InputNone); // the tick that ends the pause may already step the player
    tickAfter(r, 1);
    EXPECT_FALSE(r.game.caught);
    EXPECT_EQ(r.game.lives, 2);
    EXPECT_EQ(r.game.playerCol, 1); // back at the level's entry cell
    EXPECT_EQ(r.game.playerRow, 13);
    EXPECT_FALSE(r.game.walkers[0].shown);
}

TEST(Tick, TheLevelDonePauseLastsMoreThan3000Ms) {
    GameRig r;
    r.game.newGame();
    r.tick();
    r.game.hasKey = true;
    r.game.playerCol = 9;
    r.game.playerRow = 12; // above the door of level 1 at (9, 13)
    r.input.hold(InputDown);
    r.tick(6);
    ASSERT_TRUE(r.game.levelDone);
    r.clock.set(r.game.eventStamp.time);
    r.tick(100); // 3000 ms
    EXPECT_TRUE(r.game.levelDone);
    EXPECT_EQ(r.display.message, "Livello completato!");
    EXPECT_EQ(r.tileAt(9, 13), Door);
    tickAfter(r, 1);
    EXPECT_FALSE(r.game.levelDone);
    EXPECT_EQ(r.game.level, 2);
    EXPECT_EQ(r.display.levelText, "Livello: 02");
    EXPECT_EQ(r.display.message, "");
    EXPECT_EQ(r.game.restartCol, 9);
    EXPECT_EQ(r.game.restartRow, 1);
}

TEST(Tick, APauseResolvesOnTimeEvenAfterAbandoning) {
    GameRig r;
    caughtOnLevelOne(r);
    r.game.abandonGame();
    r.tick(67);
    EXPECT_FALSE(r.game.caught);
    EXPECT_EQ(r.game.lives, 2);
    EXPECT_FALSE(r.game.running);
    EXPECT_EQ(r.display.gameOverCount, 0);
}

TEST(Tick, ANewGameIsNotReachedByThePauseOfAnAbandonedOne) {
    GameRig r;
    caughtOnLevelOne(r);
    r.game.lives = 1; // the pending catch would end the game
    r.game.abandonGame();
    r.game.newGame();
    r.tick(100);
    EXPECT_TRUE(r.game.running);
    EXPECT_EQ(r.game.lives, 3);
    EXPECT_EQ(r.display.gameOverCount, 0);
}

TEST(Tick, AClockSetBackFiresNothingUntilItCatchesUp) {
    GameRig r;
    caughtOnLevelOne(r);
    r.input.hold(InputRight);
    r.clock.advanceMs(-60 * 60 * 1000);
    r.tick(100);
    EXPECT_TRUE(r.game.caught);
    r.clock.set(r.game.eventStamp.time);
    r.clock.advanceMs(-1);
    r.tick(); // one tick later: 29 ms after the stamp
    EXPECT_TRUE(r.game.caught);
    r.tick(67);
    EXPECT_FALSE(r.game.caught);
}

TEST(Tick, ANestedTickReturnsAtOnce) {
    // A display that dispatches a timer message while the game is busy calls tick again.
    struct ReentrantDisplay : RecordingDisplay {
        Game* game = nullptr;
        int nestedSteps = -1;
        void playSound(int id) override {
            RecordingDisplay::playSound(id);
            const int counter = game->stepCounter;
            const int col = game->playerCol;
            game->tick();
            nestedSteps = (game->stepCounter != counter) + (game->playerCol != col);
        }
    };
    ManualClock clock;
    HeldInput input;
    ReentrantDisplay display;
    Game game(clock, input, display);
    display.game = &game;
    game.newGame();
    game.tick();
    game.board.setTile(cellIndex(2, 13), Key);
    input.hold(InputRight);
    clock.advanceMs(151);
    game.tick(); // takes the key: the sound plays inside the tick
    EXPECT_EQ(display.nestedSteps, 0);
    EXPECT_TRUE(game.hasKey);
    EXPECT_FALSE(game.tickBusy);
}

} // namespace
