// The game without a window: field, levels, figures, rules and the 30 ms tick.
//
// Contract.
// - A Game owns the field (Board), the game values, the walkers and traps of the current
//   level, the timing values of the tick and the marquee's leaderboard lines.
// - The front end provides three objects that must outlive the Game (or be replaced with
//   connect()): a Clock (the local wall clock; every delay is measured on it), an
//   InputSource (polled once per player step) and a GameDisplay. It may attach a BoardView
//   to `board` to hear of every cell store.
// - The front end calls: newGame() / abandonGame() for the play button, tick() every 30 ms
//   from the game timer, refreshHud() and showIdlePicture() once after building its
//   elements (the score boxes, then the field's idle picture), and it sets
//   `infiniteLives`, `joystickEnabled` and `rankingLines` directly.
// - The Game calls back only the display (texts, sounds, gameStarted / gameAbandoned /
//   gameOver), the clock and the input. No display call changes a game value.
// - A Game may be copied (a simulation of what would happen); the copy shares the clock,
//   input, display and board view pointers until connect() and board.attachView() change
//   them.
#pragma once

#include <string>
#include <vector>

#include "game/board.h"
#include "game/clock.h"
#include "game/display.h"
#include "game/figures.h"
#include "game/input.h"

// Points, lives and timing of the game.
constexpr int KeyPoints = 1500;
constexpr int DoorPoints = 2000;
constexpr int StartLives = 3;
constexpr int InfiniteLives = 999;
constexpr int StartCol = 1; // where every game starts: bottom-left corner of the interior
constexpr int StartRow = 13;
constexpr int PlayerStepMs = 150; // a player step is due when more than this has passed
constexpr int WalkerTicks = 16;   // every 16th counted tick is a walker pass
constexpr int CaughtPauseMs = 2000;
constexpr int LevelDonePauseMs = 3000;
constexpr int MarqueePeriodMs = 5000;

class Game {
  public:
    Game(Clock& clock, InputSource& input, GameDisplay& display);
    void connect(Clock& newClock, InputSource& newInput, GameDisplay& newDisplay);

    // --- What the front end calls -------------------------------------------------------
    // A new game on level 1 with 3 lives (999 with infiniteLives), the player at (1, 13).
    // A pause still pending from an abandoned game is dropped.
    void newGame();
    // Stops the game and draws the idle picture. A pending pause still resolves on time.
    void abandonGame();
    // The periodic step: player moves, walker passes, pauses and the marquee, each when due.
    void tick();
    // The fixed picture shown while no game runs; clears the message line.
    void showIdlePicture();
    // A finished game goes on the leaderboard: it earned points without infinite lives.
    bool scoreCounts() const { return score >= 1 && !infiniteLives; }

    // --- The rules, each one step (the tick calls them when due) ------------------------
    // Clears the field and builds the current level; resets the key, walkers and traps.
    void startLevel();
    // Polls one input code and moves the player's position by at most one cell within
    // 1..13; true for the fire code.
    bool applyInput();
    // One move of the player with what the entered cell means: key, door, trap.
    void playerStep();
    // One step of every Walker, then one check of every Trap.
    void walkerPass();
    // The end of the pause after a catch: a life less and the level again, or game over.
    void resolveCaught();
    // The end of the pause after a door: the next level, entered on the opposite side.
    void resolveLevelDone();
    // Ends the game (last life lost or last door passed).
    void gameOver();
    // Rewrites the three score boxes.
    void refreshHud();

    // --- Game values ---------------------------------------------------------------------
    Board board;
    bool running = false;
    int level = 0;
    int score = 0;
    bool hasKey = false;
    int lives = 0;
    bool infiniteLives = false;   // the "&Vite infinite" option; read by newGame
    bool joystickEnabled = false; // the "&Abilita Joystick" option; read by the input poll
    std::vector<Walker> walkers;  // the current level's, in build order
    std::vector<Trap> traps;
    std::vector<std::string> rankingLines; // leaderboard lines shown by the marquee

    // --- Values that persist from one tick to the next ------------------------------------
    int playerCol = StartCol;
    int playerRow = StartRow;
    int restartCol = StartCol; // where the player returns after losing a life
    int restartRow = StartRow;
    bool caught = false;    // a life loss is pending
    bool levelDone = false; // the next level is pending
    TimeStamp eventStamp;   // when caught or levelDone was last set
    TimeStamp moveStamp;    // the last player step
    TimeStamp marqueeStamp; // the last marquee change
    int stepCounter = 0;    // ticks counted since the last walker pass
    int marqueeIndex = 0;   // next leaderboard line of the marquee
    bool tickBusy = false;  // a tick is running; a nested tick returns at once
    bool ticked = false;    // the first tick has stamped the three clocks

  private:
    void playerCaught();
    bool moreThan(const TimeStamp& stamp, int ms) { return elapsedMs(stamp, *clock) > ms; }

    Clock* clock;
    InputSource* input;
    GameDisplay* display;
};
