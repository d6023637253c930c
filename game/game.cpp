// The rules of the game and the tick that drives them on the local clock.
#include "game/game.h"

#include "game/levels.h"
#include "game/texts.h"

Game::Game(Clock& clock, InputSource& input, GameDisplay& display)
    : clock(&clock), input(&input), display(&display) {}

void Game::connect(Clock& newClock, InputSource& newInput, GameDisplay& newDisplay) {
    clock = &newClock;
    input = &newInput;
    display = &newDisplay;
}

void Game::newGame() {
    lives = infiniteLives ? InfiniteLives : StartLives;
    score = 0;
    level = 1;
    // A pause left over from an abandoned game must not reach into this one: it would take
    // a life, end the game, or move the player into the level at a stale position.
    caught = false;
    levelDone = false;
    playerCol = restartCol = StartCol;
    playerRow = restartRow = StartRow;
    startLevel();
    running = true;
    display->gameStarted();
}

void Game::abandonGame() {
    running = false;
    showIdlePicture();
    display->gameAbandoned();
}

void Game::showIdlePicture() {
    static const CellPos walkerCells[] = {{3, 5}, {5, 6}, {3, 7}, {5, 8}, {3, 9}, {5, 10}, {3, 11}};
    static const CellPos wallCells[] = {{11, 2}, {12, 2},  {13, 2},  {11, 3},  {11, 4},  {11, 5},
                                        {11, 6}, {11, 7},  {9, 7},   {10, 7},  {9, 9},   {10, 9},
                                        {11, 9}, {11, 10}, {11, 11}, {11, 12}, {12, 12}, {13, 12}};
    board.clearInterior();
    for (const CellPos& c : walkerCells)
        board.setTile(cellIndex(c.col, c.row), WalkerRight);
    for (const CellPos& c : wallCells)
        board.setTile(cellIndex(c.col, c.row), Wall);
    board.setTile(cellIndex(8, 8), PlayerRight);
    display->showMessage("");
}

void Game::refreshHud() {
    display->showScoreBoxes(scoreBoxText(score), levelBoxText(level), livesBoxText(lives));
}

void Game::startLevel() {
    hasKey = false;
    walkers.clear();
    traps.clear();
    refreshHud();
    board.clearInterior();
    buildLevel(level, board, walkers, traps, *clock);
    display->showMessage("");
}

bool Game::applyInput() {
    const InputCode c = input->pollInput();
    switch (c) {
    case InputFire:
        return true;
    case InputUp:
    case InputDown: {
        const int row = playerRow + (c == InputUp ? -1 : 1);
        if (row >= 1 && row <= 13)
            playerRow = row;
        break;
    }
    case InputLeft:
    case InputRight: {
        const int col = playerCol + c;
        if (col >= 1 && col <= 13)
            playerCol = col;
        break;
    }
    case InputNone:
        break;
    }
    return false;
}

void Game::playerCaught() {
    caught = true;
    stampNow(eventStamp, *clock);
    display->playSound(SoundCaught);
}

void Game::playerStep() {
    const int oldCol = playerCol;
    const int oldRow = playerRow;
    const int oldCell = cellIndex(oldCol, oldRow);
    stampNow(moveStamp, *clock);
    applyInput(); // a fire input simply moves nothing

    const TileCode t = board.tileAt(cellIndex(playerCol, playerRow));
    bool drawn = false;
    switch (t) {
    case Floor:
        break;
    case Key:
        display->playSound(SoundKey);
        hasKey = true;
        score += KeyPoints;
        refreshHud();
        break;
    case TrapClosed:
        // The player stays on the trap cell, which keeps showing the closed trap.
        playerCaught();
        board.setTile(oldCell, Floor);
        drawn = true;
        break;
    case Door:
        if (hasKey) {
            display->playSound(SoundDoor);
            score += DoorPoints;
            refreshHud();
            if (level == LastLevel) {
                gameOver();
                display->showMessage(MessageGameWon);
            } else {
                // The level box keeps the old number until the next level start.
                ++level;
                display->showMessage(MessageLevelDone);
                levelDone = true;
                // The next level is entered on the opposite side of the field.
                if (playerRow == 13)
                    playerRow = 1;
                else if (playerRow == 1)
                    playerRow = 13;
                else if (playerCol == 13)
                    playerCol = 1;
                else if (playerCol == 1)
                    playerCol = 13;
                stampNow(eventStamp, *clock);
            }
            break;
        }
        [[fallthrough]]; // a locked door blocks like a wall
    default:
        // Walls, the border, Walkers and player codes refuse the move. Walking into a
        // Walker does not catch the player; only a Walker stepping onto the player does.
        playerCol = oldCol;
        playerRow = oldRow;
        break;
    }
    if (levelDone || drawn)
        return;

    TileCode code;
    if (playerCol != oldCol || playerRow != oldRow) {
        board.setTile(oldCell, Floor);
        if (playerCol < oldCol)
            code = PlayerLeft;
        else if (playerCol > oldCol)
            code = PlayerRight;
        else if (playerRow < oldRow)
            code = PlayerUp;
        else
            code = PlayerDown;
    } else if (t != Floor) {
        return; // the picture stays, or the blocking cell was never entered
    } else {
        // An empty own cell: the first step after a level start draws the default facing.
        code = playerRow == 1 ? PlayerDown : PlayerUp;
        if (playerCol == 13)
            code = PlayerLeft;
        else if (playerCol == 1)
            code = PlayerRight;
    }
    board.setTile(cellIndex(playerCol, playerRow), code);
}

void Game::walkerPass() {
    const CellPos player{playerCol, playerRow};
    for (Walker& w : walkers) {
        if (!w.shown) {
            board.setTile(cellIndex(w.homeCol, w.homeRow), w.tile);
            w.shown = true;
            continue;
        }
        bool chasing = false;
        for (const CellPos& c : w.zone)
            if (c == player)
                chasing = true;
        const CellPos target = chasing ? player : CellPos{w.homeCol, w.homeRow};

        if (!chasing && w.col == w.homeCol && w.row == w.homeRow) {
            // Waiting at home: redraw the figure if something overwrote it.
            const int home = cellIndex(w.col, w.row);
            if (board.tileAt(home) != w.tile)
                board.setTile(home, w.tile);
            continue;
        }

        // One step, columns first. The cells passed are never looked at.
        const int oldCell = cellIndex(w.col, w.row);
        if (w.col < target.col) {
            ++w.col;
            w.tile = WalkerRight;
        } else if (w.col > target.col) {
            --w.col;
            w.tile = WalkerLeft;
        } else if (w.row < target.row) {
            ++w.row;
            w.tile = WalkerDown;
        } else if (w.row > target.row) {
            --w.row;
            w.tile = WalkerUp;
        }
        board.setTile(oldCell, Floor);
        board.setTile(cellIndex(w.col, w.row), w.tile);

        // Only a chasing Walker catches; one walking home may cross the player's cell.
        if (chasing && w.col == playerCol && w.row == playerRow) {
            playerCaught();
            break;
        }
    }

    for (Trap& p : traps) {
        if (!moreThan(p.lastSwitch, p.periodMs))
            continue;
        const int cell = cellIndex(p.col, p.row);
        if (p.closed) {
            board.setTile(cell, Floor);
            p.closed = false;
        } else {
            board.setTile(cell, TrapClosed);
            p.closed = true;
            if (p.col == playerCol && p.row == playerRow) {
                // The trap keeps its old switch time; nothing more is checked this pass.
                playerCaught();
                break;
            }
        }
        stampNow(p.lastSwitch, *clock);
    }
}

void Game::resolveCaught() {
    caught = false;
    if (lives == 1) {
        gameOver(); // the lives box keeps showing 1
        return;
    }
    playerCol = restartCol;
    playerRow = restartRow;
    --lives;
    startLevel();
}

void Game::resolveLevelDone() {
    restartCol = playerCol;
    restartRow = playerRow;
    startLevel();
    levelDone = false;
}

void Game::gameOver() {
    display->showMessage(MessageGameOver);
    running = false;
    display->gameOver();
}

void Game::tick() {
    if (!ticked) {
        // The first tick starts every clock of the game. A player step run before it has
        // stamped moveStamp already; the other two clocks must still start here.
        ticked = true;
        stampNow(moveStamp, *clock);
        stampNow(eventStamp, *clock);
        stampNow(marqueeStamp, *clock);
    }
    if (tickBusy)
        return;
    tickBusy = true;

    if (!running) {
        playerCol = restartCol = StartCol;
        playerRow = restartRow = StartRow;
    }
    if (moreThan(marqueeStamp, MarqueePeriodMs)) {
        stampNow(marqueeStamp, *clock);
        std::string text;
        if (advanceMarquee(rankingLines, marqueeIndex, text))
            display->showMarquee(text);
    }
    // The pauses end by time alone, whether or not the game still runs.
    if (caught && moreThan(eventStamp, CaughtPauseMs))
        resolveCaught();
    if (levelDone && moreThan(eventStamp, LevelDonePauseMs))
        resolveLevelDone();

    if (!running || levelDone || caught) {
        stepCounter = 0;
    } else {
        ++stepCounter;
        if (moreThan(moveStamp, PlayerStepMs))
            playerStep();
        // Also when this tick's player step has just been caught or passed a door; the next
        // tick then stops all movement.
        if (stepCounter >= WalkerTicks) {
            walkerPass();
            stepCounter = 0;
        }
    }
    tickBusy = false;
}
