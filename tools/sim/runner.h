// The headless runner: the game driven by text commands on a clock of its own.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "game/clock.h"
#include "game/game.h"
#include "game/input.h"
#include "game/recording_display.h"

// Plays the part of the main form: it owns the game, holds the input code the "keys" give,
// keeps what the display shows as text, and moves its clock only when told to.
//
// Commands, one per line (blank lines and lines starting with '#' are ignored):
//   play                     the play button: a new game, or abandoning the running one
//   infinite on|off          the "&Vite infinite" option (refused while a game runs)
//   hold left|right|up|down|fire|none   the input code every later poll returns
//   tick [N]                 N ticks (default 1), each 30 ms after the previous one
//   advance MS               moves the clock by MS milliseconds (may be negative), no tick
//   clock YYYY-MM-DD HH:MM:SS.mmm        sets the local clock
//   state | board | hud | sounds         print what the game holds or shows
//   autoplay                 plays a game to its end, then prints the state
// Errors go to `err` as "error: " and a short reason; the run goes on.
class SimRunner {
  public:
    // Starts as the main form does: the field with the idle picture, the score boxes
    // written, the marquee lines loaded; no tick has run yet.
    explicit SimRunner(std::vector<std::string> rankingLines);

    void execute(const std::string& line, std::ostream& out, std::ostream& err);
    void run(std::istream& in, std::ostream& out, std::ostream& err);

  private:
    void printState(std::ostream& out) const;
    void printBoard(std::ostream& out) const;
    void printHud(std::ostream& out) const;
    void printSounds(std::ostream& out);

    ManualClock clock;
    HeldInput input;
    RecordingDisplay display;
    Game game;
};
